#ifndef ASSETGEN_MESHBUILDER_H
#define ASSETGEN_MESHBUILDER_H

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

struct Vec3 {
    double x = 0, y = 0, z = 0;
    Vec3() = default;
    Vec3(double x, double y, double z) : x(x), y(y), z(z) {}
    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double f) const { return {x * f, y * f, z * f}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
    double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec3 unit() const {
        double l = length();
        return l > 0 ? *this * (1.0 / l) : Vec3(0, 1, 0);
    }
};

// An affine placement: p' = m * p + t.
struct Xform {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 t;

    static Xform translate(const Vec3& t);
    static Xform scale(double sx, double sy, double sz);
    static Xform rotateX(double radians);
    static Xform rotateY(double radians);
    static Xform rotateZ(double radians);
    // Turns +y onto the given direction (the tree and vine helpers need it).
    static Xform alignY(const Vec3& direction);
    Xform operator*(const Xform& o) const;  // this after o
    Vec3 point(const Vec3& p) const;
    Vec3 normal(const Vec3& n) const;
};

struct Corner {
    Vec3 p;
    double u = 0, v = 0;
    Vec3 n;
};

// A point of a lathe profile: radius and height.
struct ProfilePoint {
    double r, y;
};

// Collects textured, lit triangles and writes them as an OBJ file that uses
// only v, vt, vn and three-corner f statements. Winding is taken from the
// corner normals, so every triangle is counter-clockwise seen from the side
// its normals face (back faces are culled in the game).
class MeshBuilder {
public:
    void triangle(const Corner& a, const Corner& b, const Corner& c);
    // Both windings, so a sheet shows from either side.
    void sheetTriangle(const Corner& a, const Corner& b, const Corner& c);
    // Quad a-b-c-d (in order around its edge), one flat normal.
    void quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Vec3& normal, double u0, double v0,
              double u1, double v1);

    // Surface of revolution about +y. u runs once round (times uRepeat), v
    // along the profile (0 at its last point, growing towards its first, times
    // vScale per unit of length; a negative vScale normalises v to 0..1).
    // The solid lies to the left of the profile walked in order, seen with r
    // to the right and y up; a repeated point makes a crease.
    void lathe(const std::vector<ProfilePoint>& profile, int segments, double uRepeat, double vScale,
               const Xform& placement = Xform(), double startAngle = 0.0);
    // The same with flat faces (low-poly pyramids, gems, octagonal shafts).
    void flatLathe(const std::vector<ProfilePoint>& profile, int segments, double uRepeat, double vScale,
                   const Xform& placement = Xform(), double startAngle = 0.0);
    // Closed ellipsoid; u = 0.5 faces +z, v = 0 at the top.
    void ellipsoid(const Vec3& centre, const Vec3& radii, int segments, int rings, double uRepeat = 1.0,
                   double vRepeat = 1.0);
    // Axis-aligned box, flat faces, texture coordinates in world units / tile.
    void box(const Vec3& lo, const Vec3& hi, double tile, const Xform& placement = Xform());
    // Straight prism over a counter-clockwise (seen from +y) polygon, from y0 to y1.
    void prism(const std::vector<std::pair<double, double>>& xz, double y0, double y1, double tile,
               const Xform& placement = Xform());
    // Round tube along a polyline with closed ends, radius per point.
    void tube(const std::vector<Vec3>& path, const std::vector<double>& radii, int sides, double tile);
    // Closed lumpy blob (foliage, rocks): an ellipsoid with its radius
    // shaken by a seeded noise.
    void blob(const Vec3& centre, const Vec3& radii, int segments, int rings, double roughness, uint32_t seed,
              double tile);

    void append(const MeshBuilder& other, const Xform& placement = Xform());
    // Rewrites every corner's texture coordinate from its position.
    template <class F>
    void mapTexCoords(F f) {
        for (Corner& c : corners) f(c);
    }
    // Faceted look: each triangle lit by its own plane.
    void flatten();
    void setTexCoords(double u, double v) {
        for (Corner& c : corners) c.u = u, c.v = v;
    }
    // A closed cross-section with sharp corners, ready for lathe().
    static std::vector<ProfilePoint> sharpLoop(const std::vector<ProfilePoint>& loop);

    size_t triangleCount() const { return corners.size() / 3; }
    const std::vector<Corner>& getCorners() const { return corners; }
    std::string toObj(const std::string& comment) const;

private:
    std::vector<Corner> corners;
};

constexpr double kPi = 3.14159265358979323846;

#endif
