#ifndef TESTS_MESHOBJ_H
#define TESTS_MESHOBJ_H

// A strict reader for the OBJ files of the pack: it accepts only what the
// game's parser turns into meshes and records every departure from that.
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

struct ObjPoint {
    double x = 0, y = 0, z = 0;
    ObjPoint operator-(const ObjPoint& o) const { return {x - o.x, y - o.y, z - o.z}; }
    ObjPoint operator+(const ObjPoint& o) const { return {x + o.x, y + o.y, z + o.z}; }
    double dot(const ObjPoint& o) const { return x * o.x + y * o.y + z * o.z; }
    ObjPoint cross(const ObjPoint& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double length() const { return std::sqrt(dot(*this)); }
};

struct ObjMesh {
    struct Face {
        int v[3], t[3], n[3];  // 0-based
    };
    std::vector<ObjPoint> positions, normals, texCoords;
    std::vector<Face> faces;
    std::vector<std::string> problems;
    bool opened = false;

    ObjPoint corner(const Face& f, int k) const { return positions[f.v[k]]; }
};

inline bool parseNumbers(const std::vector<std::string>& tokens, size_t count, ObjPoint& out) {
    if (tokens.size() != count + 1) return false;
    double values[3] = {0, 0, 0};
    for (size_t i = 0; i < count; ++i) {
        char* end = nullptr;
        values[i] = std::strtod(tokens[i + 1].c_str(), &end);
        if (end == tokens[i + 1].c_str() || *end != '\0' || !std::isfinite(values[i])) return false;
    }
    out = {values[0], values[1], values[2]};
    return true;
}

// One corner "a/b/c" with positive indices no larger than the counts read so
// far (the game's parser resolves indices while it reads).
inline bool parseCorner(const std::string& token, const ObjMesh& mesh, int out[3]) {
    size_t first = token.find('/');
    size_t second = first == std::string::npos ? std::string::npos : token.find('/', first + 1);
    if (first == std::string::npos || second == std::string::npos) return false;
    std::string parts[3] = {token.substr(0, first), token.substr(first + 1, second - first - 1),
                            token.substr(second + 1)};
    size_t limits[3] = {mesh.positions.size(), mesh.texCoords.size(), mesh.normals.size()};
    for (int i = 0; i < 3; ++i) {
        if (parts[i].empty() || parts[i].find_first_not_of("0123456789") != std::string::npos) return false;
        long value = std::strtol(parts[i].c_str(), nullptr, 10);
        if (value < 1 || (size_t)value > limits[i]) return false;
        out[i] = (int)value - 1;
    }
    return true;
}

inline ObjMesh readObj(const std::string& path) {
    ObjMesh mesh;
    std::ifstream in(path, std::ios::binary);
    if (!in) return mesh;
    mesh.opened = true;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string where = "line " + std::to_string(number) + ": ";
        if (line.size() > 499) mesh.problems.push_back(where + "longer than 499 characters");
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> tokens;
        size_t pos = 0;
        while (pos < line.size()) {
            size_t start = line.find_first_not_of(" \t", pos);
            if (start == std::string::npos) break;
            size_t end = line.find_first_of(" \t", start);
            tokens.push_back(line.substr(start, end - start));
            pos = end == std::string::npos ? line.size() : end;
        }
        if (tokens.empty() || tokens[0][0] == '#') continue;
        const std::string& key = tokens[0];
        ObjPoint p;
        if (key == "v" || key == "vn") {
            if (!parseNumbers(tokens, 3, p)) mesh.problems.push_back(where + "needs three numbers");
            if (key == "vn" && p.length() < 1e-6) mesh.problems.push_back(where + "zero normal");
            (key == "v" ? mesh.positions : mesh.normals).push_back(p);
        } else if (key == "vt") {
            if (!parseNumbers(tokens, 3, p)) mesh.problems.push_back(where + "vt needs exactly three numbers");
            mesh.texCoords.push_back(p);
        } else if (key == "f") {
            ObjMesh::Face face;
            bool ok = tokens.size() == 4;
            int parts[3];
            for (int k = 0; ok && k < 3; ++k) {
                ok = parseCorner(tokens[k + 1], mesh, parts);
                face.v[k] = parts[0];
                face.t[k] = parts[1];
                face.n[k] = parts[2];
            }
            if (ok)
                mesh.faces.push_back(face);
            else
                mesh.problems.push_back(where + "face must be three v/t/n corners in range: " + line);
        } else if (key != "o" && key != "g" && key != "s") {
            mesh.problems.push_back(where + "statement the game does not read: " + key);
        }
    }
    if (mesh.faces.empty()) mesh.problems.push_back("no faces");
    return mesh;
}

struct ObjBounds {
    ObjPoint lo{1e30, 1e30, 1e30}, hi{-1e30, -1e30, -1e30};
    double horizontalRadius = 0;  // largest distance from the y axis
    double radius = 0;            // largest distance from the origin
};

inline ObjBounds boundsOf(const ObjMesh& mesh) {
    ObjBounds b;
    for (const ObjPoint& p : mesh.positions) {
        b.lo = {std::fmin(b.lo.x, p.x), std::fmin(b.lo.y, p.y), std::fmin(b.lo.z, p.z)};
        b.hi = {std::fmax(b.hi.x, p.x), std::fmax(b.hi.y, p.y), std::fmax(b.hi.z, p.z)};
        b.horizontalRadius = std::fmax(b.horizontalRadius, std::hypot(p.x, p.z));
        b.radius = std::fmax(b.radius, p.length());
    }
    return b;
}

#endif
