#include "MeshBuilder.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "Random.h"

Xform Xform::translate(const Vec3& t) {
    Xform x;
    x.t = t;
    return x;
}

Xform Xform::scale(double sx, double sy, double sz) {
    Xform x;
    x.m[0][0] = sx;
    x.m[1][1] = sy;
    x.m[2][2] = sz;
    return x;
}

Xform Xform::rotateX(double a) {
    Xform x;
    double c = std::cos(a), s = std::sin(a);
    x.m[1][1] = c;
    x.m[1][2] = -s;
    x.m[2][1] = s;
    x.m[2][2] = c;
    return x;
}

// Same sense as glRotatef(degrees, 0, 1, 0): +z turns towards +x.
Xform Xform::rotateY(double a) {
    Xform x;
    double c = std::cos(a), s = std::sin(a);
    x.m[0][0] = c;
    x.m[0][2] = s;
    x.m[2][0] = -s;
    x.m[2][2] = c;
    return x;
}

Xform Xform::rotateZ(double a) {
    Xform x;
    double c = std::cos(a), s = std::sin(a);
    x.m[0][0] = c;
    x.m[0][1] = -s;
    x.m[1][0] = s;
    x.m[1][1] = c;
    return x;
}

Xform Xform::alignY(const Vec3& direction) {
    Vec3 d = direction.unit();
    Vec3 axis = Vec3(0, 1, 0).cross(d);
    double s = axis.length();
    double c = d.y;
    Xform x;
    if (s < 1e-12) {
        if (c < 0) x = Xform::rotateX(kPi);
        return x;
    }
    Vec3 k = axis * (1.0 / s);
    double v = 1 - c;
    x.m[0][0] = c + k.x * k.x * v;
    x.m[0][1] = k.x * k.y * v - k.z * s;
    x.m[0][2] = k.x * k.z * v + k.y * s;
    x.m[1][0] = k.y * k.x * v + k.z * s;
    x.m[1][1] = c + k.y * k.y * v;
    x.m[1][2] = k.y * k.z * v - k.x * s;
    x.m[2][0] = k.z * k.x * v - k.y * s;
    x.m[2][1] = k.z * k.y * v + k.x * s;
    x.m[2][2] = c + k.z * k.z * v;
    return x;
}

Xform Xform::operator*(const Xform& o) const {
    Xform r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
    r.t = point(o.t);
    return r;
}

Vec3 Xform::point(const Vec3& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + t.x, m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + t.y,
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + t.z};
}

Vec3 Xform::normal(const Vec3& n) const {
    // Inverse transpose, so normals stay perpendicular under uneven scaling.
    double c[3][3];
    c[0][0] = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    c[0][1] = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    c[0][2] = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    c[1][0] = m[0][2] * m[2][1] - m[0][1] * m[2][2];
    c[1][1] = m[0][0] * m[2][2] - m[0][2] * m[2][0];
    c[1][2] = m[0][1] * m[2][0] - m[0][0] * m[2][1];
    c[2][0] = m[0][1] * m[1][2] - m[0][2] * m[1][1];
    c[2][1] = m[0][2] * m[1][0] - m[0][0] * m[1][2];
    c[2][2] = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    double det = m[0][0] * c[0][0] + m[0][1] * c[0][1] + m[0][2] * c[0][2];
    Vec3 r(c[0][0] * n.x + c[0][1] * n.y + c[0][2] * n.z, c[1][0] * n.x + c[1][1] * n.y + c[1][2] * n.z,
           c[2][0] * n.x + c[2][1] * n.y + c[2][2] * n.z);
    return (det < 0 ? -r : r).unit();
}

void MeshBuilder::triangle(const Corner& a, const Corner& b, const Corner& c) {
    Vec3 g = (b.p - a.p).cross(c.p - a.p);
    if (g.length() < 1e-9) return;
    Vec3 mean = a.n + b.n + c.n;
    if (g.dot(mean) >= 0) {
        corners.push_back(a);
        corners.push_back(b);
        corners.push_back(c);
    } else {
        corners.push_back(a);
        corners.push_back(c);
        corners.push_back(b);
    }
}

void MeshBuilder::sheetTriangle(const Corner& a, const Corner& b, const Corner& c) {
    Vec3 g = (b.p - a.p).cross(c.p - a.p).unit();
    Corner fa = a, fb = b, fc = c;
    fa.n = fb.n = fc.n = g;
    triangle(fa, fb, fc);
    fa.n = fb.n = fc.n = -g;
    triangle(fa, fb, fc);
}

void MeshBuilder::quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Vec3& normal, double u0,
                       double v0, double u1, double v1) {
    Corner ca{a, u0, v0, normal}, cb{b, u1, v0, normal}, cc{c, u1, v1, normal}, cd{d, u0, v1, normal};
    triangle(ca, cb, cc);
    triangle(ca, cc, cd);
}

void MeshBuilder::lathe(const std::vector<ProfilePoint>& profile, int segments, double uRepeat, double vScale,
                        const Xform& placement, double startAngle) {
    size_t count = profile.size();
    if (count < 2) return;
    // Outward normal of each profile segment (solid on the left).
    std::vector<double> segR(count - 1), segY(count - 1);
    std::vector<bool> segOk(count - 1);
    for (size_t k = 0; k + 1 < count; ++k) {
        double dr = profile[k + 1].r - profile[k].r, dy = profile[k + 1].y - profile[k].y;
        double l = std::sqrt(dr * dr + dy * dy);
        segOk[k] = l > 1e-12;
        segR[k] = segOk[k] ? dy / l : 0;
        segY[k] = segOk[k] ? -dr / l : 0;
    }
    // Per point normal: mean of the segments that meet there; a repeated
    // point splits, each copy taking its own side's segment.
    std::vector<double> nr(count), ny(count);
    for (size_t k = 0; k < count; ++k) {
        double sr = 0, sy = 0;
        bool before = k > 0 && segOk[k - 1];
        bool after = k + 1 < count && segOk[k];
        if (before) sr += segR[k - 1], sy += segY[k - 1];
        if (after) sr += segR[k], sy += segY[k];
        double l = std::sqrt(sr * sr + sy * sy);
        if (l < 1e-12) {
            // At a crease copy: take whichever neighbour segment exists.
            for (size_t j = k; j-- > 0;)
                if (segOk[j]) {
                    sr = segR[j], sy = segY[j];
                    break;
                }
            l = std::sqrt(sr * sr + sy * sy);
        }
        nr[k] = l > 0 ? sr / l : 0;
        ny[k] = l > 0 ? sy / l : 1;
    }
    std::vector<double> arc(count, 0.0);
    for (size_t k = count - 1; k-- > 0;) {
        double dr = profile[k + 1].r - profile[k].r, dy = profile[k + 1].y - profile[k].y;
        arc[k] = arc[k + 1] + std::sqrt(dr * dr + dy * dy);
    }
    double total = arc[0] > 0 ? arc[0] : 1;
    auto vOf = [&](size_t k) { return vScale < 0 ? arc[k] / total * -vScale : arc[k] * vScale; };
    auto corner = [&](size_t k, int j) {
        double phi = startAngle - kPi + 2 * kPi * j / segments;
        double s = std::sin(phi), c = std::cos(phi);
        Corner out;
        out.p = placement.point(Vec3(profile[k].r * s, profile[k].y, profile[k].r * c));
        out.n = placement.normal(Vec3(nr[k] * s, ny[k], nr[k] * c));
        out.u = (double)j / segments * uRepeat;
        out.v = vOf(k);
        return out;
    };
    for (size_t k = 0; k + 1 < count; ++k) {
        if (!segOk[k]) continue;
        for (int j = 0; j < segments; ++j) {
            Corner a = corner(k, j), b = corner(k, j + 1), c = corner(k + 1, j + 1), d = corner(k + 1, j);
            triangle(a, b, c);
            triangle(a, c, d);
        }
    }
}

void MeshBuilder::flatLathe(const std::vector<ProfilePoint>& profile, int segments, double uRepeat, double vScale,
                            const Xform& placement, double startAngle) {
    MeshBuilder local;
    local.lathe(profile, segments, uRepeat, vScale, placement, startAngle);
    local.flatten();
    append(local);
}

void MeshBuilder::flatten() {
    for (size_t i = 0; i + 2 < corners.size(); i += 3) {
        Vec3 n = (corners[i + 1].p - corners[i].p).cross(corners[i + 2].p - corners[i].p).unit();
        corners[i].n = corners[i + 1].n = corners[i + 2].n = n;
    }
}

void MeshBuilder::ellipsoid(const Vec3& centre, const Vec3& radii, int segments, int rings, double uRepeat,
                            double vRepeat) {
    std::vector<ProfilePoint> profile;
    for (int i = 0; i <= rings; ++i) {
        double a = -kPi / 2 + kPi * i / rings;
        profile.push_back({std::cos(a), std::sin(a)});
    }
    profile.front().r = 0;
    profile.back().r = 0;
    lathe(profile, segments, uRepeat, -vRepeat, Xform::translate(centre) * Xform::scale(radii.x, radii.y, radii.z));
}

void MeshBuilder::box(const Vec3& lo, const Vec3& hi, double tile, const Xform& placement) {
    MeshBuilder local;
    double t = tile;
    // -x, +x
    local.quad({lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}, {lo.x, hi.y, lo.z}, {-1, 0, 0}, lo.z / t,
               -lo.y / t, hi.z / t, -hi.y / t);
    local.quad({hi.x, lo.y, hi.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {1, 0, 0}, -hi.z / t,
               -lo.y / t, -lo.z / t, -hi.y / t);
    // -z, +z
    local.quad({hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {0, 0, -1}, -hi.x / t,
               -lo.y / t, -lo.x / t, -hi.y / t);
    local.quad({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, {0, 0, 1}, lo.x / t,
               -lo.y / t, hi.x / t, -hi.y / t);
    // -y, +y
    local.quad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}, {0, -1, 0}, lo.x / t,
               lo.z / t, hi.x / t, hi.z / t);
    local.quad({lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, {0, 1, 0}, lo.x / t,
               hi.z / t, hi.x / t, lo.z / t);
    append(local, placement);
}

// Ear clipping of a simple polygon given counter-clockwise seen from +y
// (that is clockwise in the x-z plane drawn with z down).
static std::vector<int> triangulate(const std::vector<std::pair<double, double>>& pts) {
    std::vector<int> index(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) index[i] = (int)i;
    double area = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        const auto& a = pts[i];
        const auto& b = pts[(i + 1) % pts.size()];
        area += a.first * b.second - b.first * a.second;
    }
    double sign = area >= 0 ? 1 : -1;
    auto crossAt = [&](int a, int b, int c) {
        return ((pts[b].first - pts[a].first) * (pts[c].second - pts[a].second) -
                (pts[b].second - pts[a].second) * (pts[c].first - pts[a].first)) *
               sign;
    };
    std::vector<int> out;
    int guard = 0;
    while (index.size() > 3 && guard++ < 100000) {
        bool clipped = false;
        for (size_t i = 0; i < index.size(); ++i) {
            int a = index[(i + index.size() - 1) % index.size()], b = index[i], c = index[(i + 1) % index.size()];
            if (crossAt(a, b, c) <= 1e-12) continue;
            bool inside = false;
            for (int p : index) {
                if (p == a || p == b || p == c) continue;
                if (crossAt(a, b, p) >= 0 && crossAt(b, c, p) >= 0 && crossAt(c, a, p) >= 0) {
                    inside = true;
                    break;
                }
            }
            if (inside) continue;
            out.push_back(a);
            out.push_back(b);
            out.push_back(c);
            index.erase(index.begin() + i);
            clipped = true;
            break;
        }
        if (!clipped) break;
    }
    if (index.size() == 3) {
        out.push_back(index[0]);
        out.push_back(index[1]);
        out.push_back(index[2]);
    }
    return out;
}

void MeshBuilder::prism(const std::vector<std::pair<double, double>>& xz, double y0, double y1, double tile,
                        const Xform& placement) {
    MeshBuilder local;
    std::vector<int> tris = triangulate(xz);
    for (size_t i = 0; i + 2 < tris.size(); i += 3) {
        for (int side = 0; side < 2; ++side) {
            double y = side ? y1 : y0;
            Vec3 n(0, side ? 1 : -1, 0);
            Corner c[3];
            for (int k = 0; k < 3; ++k) {
                const auto& p = xz[tris[i + k]];
                c[k] = {{p.first, y, p.second}, p.first / tile, p.second / tile, n};
            }
            local.triangle(c[0], c[1], c[2]);
        }
    }
    double arc = 0;
    double area = 0;
    for (size_t i = 0; i < xz.size(); ++i) {
        const auto& a = xz[i];
        const auto& b = xz[(i + 1) % xz.size()];
        area += a.first * b.second - b.first * a.second;
    }
    for (size_t i = 0; i < xz.size(); ++i) {
        const auto& a = xz[i];
        const auto& b = xz[(i + 1) % xz.size()];
        double dx = b.first - a.first, dz = b.second - a.second;
        double l = std::sqrt(dx * dx + dz * dz);
        if (l < 1e-12) continue;
        // Outward: to the right of the edge when the polygon's signed area is positive.
        Vec3 n = area >= 0 ? Vec3(dz / l, 0, -dx / l) : Vec3(-dz / l, 0, dx / l);
        local.quad({a.first, y0, a.second}, {b.first, y0, b.second}, {b.first, y1, b.second}, {a.first, y1, a.second}, n,
                   arc / tile, -y0 / tile, (arc + l) / tile, -y1 / tile);
        arc += l;
    }
    append(local, placement);
}

void MeshBuilder::tube(const std::vector<Vec3>& path, const std::vector<double>& radii, int sides, double tile) {
    size_t count = path.size();
    if (count < 2) return;
    std::vector<Vec3> tangent(count);
    for (size_t i = 0; i < count; ++i) {
        Vec3 d = (path[std::min(i + 1, count - 1)] - path[i > 0 ? i - 1 : 0]).unit();
        tangent[i] = d;
    }
    // Parallel-transported frame, so the tube does not twist.
    Vec3 side = std::fabs(tangent[0].y) < 0.9 ? Vec3(0, 1, 0).cross(tangent[0]).unit()
                                              : Vec3(1, 0, 0).cross(tangent[0]).unit();
    std::vector<Vec3> sideAt(count), upAt(count);
    for (size_t i = 0; i < count; ++i) {
        side = (side - tangent[i] * side.dot(tangent[i])).unit();
        sideAt[i] = side;
        upAt[i] = tangent[i].cross(side).unit();
    }
    double meanRadius = 0;
    for (double r : radii) meanRadius += r;
    meanRadius /= radii.size();
    double uRepeat = std::max(1.0, std::round(2 * kPi * meanRadius / tile));
    std::vector<double> arc(count, 0.0);
    for (size_t i = 1; i < count; ++i) arc[i] = arc[i - 1] + (path[i] - path[i - 1]).length();
    auto corner = [&](size_t i, int j) {
        double a = 2 * kPi * j / sides;
        Vec3 n = sideAt[i] * std::cos(a) + upAt[i] * std::sin(a);
        return Corner{path[i] + n * radii[i], (double)j / sides * uRepeat, -arc[i] / tile, n};
    };
    for (size_t i = 0; i + 1 < count; ++i)
        for (int j = 0; j < sides; ++j) {
            Corner a = corner(i, j), b = corner(i, j + 1), c = corner(i + 1, j + 1), d = corner(i + 1, j);
            triangle(a, b, c);
            triangle(a, c, d);
        }
    for (int end = 0; end < 2; ++end) {
        size_t i = end ? count - 1 : 0;
        Vec3 n = end ? tangent[i] : -tangent[i];
        Corner centre{path[i], 0.5, 0.5, n};
        for (int j = 0; j < sides; ++j) {
            Corner a = corner(i, j), b = corner(i, j + 1);
            a.n = b.n = n;
            triangle(centre, a, b);
        }
    }
}

void MeshBuilder::blob(const Vec3& centre, const Vec3& radii, int segments, int rings, double roughness,
                       uint32_t seed, double tile) {
    Random random(seed);
    struct Wave {
        Vec3 k;
        double phase, amp;
    };
    std::vector<Wave> waves;
    for (int i = 0; i < 6; ++i) {
        Vec3 k(random.range(-1, 1), random.range(-1, 1), random.range(-1, 1));
        k = k.unit() * random.range(2.0, 5.0);
        waves.push_back({k, random.range(0, 2 * kPi), random.range(0.5, 1.0)});
    }
    auto shake = [&](const Vec3& d) {
        double s = 0, norm = 0;
        for (const Wave& w : waves) {
            s += w.amp * std::sin(w.k.dot(d) + w.phase);
            norm += w.amp;
        }
        return 1.0 + roughness * s / norm;
    };
    std::vector<std::vector<Vec3>> grid(rings + 1, std::vector<Vec3>(segments + 1));
    for (int i = 0; i <= rings; ++i) {
        double lat = -kPi / 2 + kPi * i / rings;
        for (int j = 0; j <= segments; ++j) {
            double lon = -kPi + 2 * kPi * (j % segments) / segments;
            Vec3 d(std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon));
            if (i == 0 || i == rings) d = Vec3(0, i == 0 ? -1 : 1, 0);
            double f = shake(d);
            grid[i][j] = centre + Vec3(d.x * radii.x, d.y * radii.y, d.z * radii.z) * f;
        }
    }
    auto normalAt = [&](int i, int j) {
        Vec3 radial = (grid[i][j] - centre).unit();
        if (i == 0 || i == rings) return radial;
        int jl = (j + segments - 1) % segments, jr = (j + 1) % segments;
        Vec3 n = (grid[i + 1][j] - grid[i - 1][j]).cross(grid[i][jr] - grid[i][jl]);
        if (n.length() < 1e-12) return radial;
        n = n.unit();
        return n.dot(radial) < 0 ? -n : n;
    };
    double meanRadius = (radii.x + radii.z) / 2;
    double uRepeat = tile > 0 ? std::max(1.0, std::round(2 * kPi * meanRadius / tile)) : 1.0;
    double vRepeat = tile > 0 ? std::max(1.0, std::round(kPi * radii.y / tile)) : 1.0;
    auto corner = [&](int i, int j) {
        return Corner{grid[i][j], (double)j / segments * uRepeat, (1.0 - (double)i / rings) * vRepeat,
                      normalAt(i, j % segments)};
    };
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < segments; ++j) {
            Corner a = corner(i, j), b = corner(i, j + 1), c = corner(i + 1, j + 1), d = corner(i + 1, j);
            triangle(a, b, c);
            triangle(a, c, d);
        }
}

void MeshBuilder::append(const MeshBuilder& other, const Xform& placement) {
    const std::vector<Corner>& c = other.corners;
    for (size_t i = 0; i + 2 < c.size(); i += 3) {
        Corner t[3];
        for (int k = 0; k < 3; ++k) {
            t[k] = c[i + k];
            t[k].p = placement.point(t[k].p);
            t[k].n = placement.normal(t[k].n);
        }
        triangle(t[0], t[1], t[2]);
    }
}

std::vector<ProfilePoint> MeshBuilder::sharpLoop(const std::vector<ProfilePoint>& loop) {
    std::vector<ProfilePoint> out;
    for (size_t i = 0; i < loop.size(); ++i) {
        out.push_back(loop[i]);
        if (i > 0) out.push_back(loop[i]);
    }
    out.push_back(loop[0]);
    return out;
}

static std::string number(double value) {
    char text[32];
    snprintf(text, sizeof text, "%.4f", value);
    if (strcmp(text, "-0.0000") == 0) return "0.0000";
    return text;
}

namespace {
// Hands out 1-based indices in order of first use.
struct IndexTable {
    std::map<std::string, int> index;
    std::vector<const std::string*> order;
    int get(const std::string& key) {
        auto found = index.find(key);
        if (found != index.end()) return found->second;
        int id = (int)order.size() + 1;
        auto inserted = index.emplace(key, id).first;
        order.push_back(&inserted->first);
        return id;
    }
};
}  // namespace

std::string MeshBuilder::toObj(const std::string& comment) const {
    IndexTable positions, coords, normals;
    std::string faces;
    for (size_t i = 0; i < corners.size(); i += 3) {
        faces += "f";
        for (int k = 0; k < 3; ++k) {
            const Corner& c = corners[i + k];
            Vec3 n = c.n.unit();
            int p = positions.get(number(c.p.x) + " " + number(c.p.y) + " " + number(c.p.z));
            int t = coords.get(number(c.u) + " " + number(c.v) + " 0");
            int q = normals.get(number(n.x) + " " + number(n.y) + " " + number(n.z));
            faces += " " + std::to_string(p) + "/" + std::to_string(t) + "/" + std::to_string(q);
        }
        faces += "\n";
    }
    std::string out = "# " + comment + "\n";
    for (const std::string* s : positions.order) out += "v " + *s + "\n";
    for (const std::string* s : coords.order) out += "vt " + *s + "\n";
    for (const std::string* s : normals.order) out += "vn " + *s + "\n";
    return out + faces;
}
