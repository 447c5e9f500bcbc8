// Trees, leaves and plants. The game grows its trees from the trunk and
// branch meshes: each internode mesh starts at the origin and runs along +y
// for exactly the length the tree grows it (10, 7, 5, 3, 2, 2).
#include <cmath>

#include "MeshParts.h"
#include "Random.h"

void addLeafSheet(MeshBuilder& m, const Xform& place, double length, double width) {
    // Folded along the midrib; the picture spans the leaf, v = 0 at the tip.
    Vec3 base(0, 0, 0), tip(0, length, 0), left(-width / 2, length * 0.45, width * 0.18),
        right(width / 2, length * 0.45, width * 0.18), rib(0, length * 0.45, 0);
    auto c = [&](const Vec3& p) { return Corner{place.point(p), 0.5 + p.x / width, 1.0 - p.y / length, {0, 0, 1}}; };
    m.sheetTriangle(c(base), c(rib), c(left));
    m.sheetTriangle(c(left), c(rib), c(tip));
    m.sheetTriangle(c(base), c(right), c(rib));
    m.sheetTriangle(c(right), c(tip), c(rib));
}

namespace {

// The ends are fans over the side's own rim corners, so a segment sends
// few distinct corners to the renderer: the game draws about a hundred
// thousand of them.
MeshBuilder internode(double length, double r0, double r1, int sides) {
    MeshBuilder m;
    double around = std::max(1.0, std::round(2 * kPi * r0 / kTileBark));
    m.lathe({{r0, 0}, {r1, length}}, sides, around, 1 / kTileBark);
    // The lathe's two triangles a side: (bottom j, bottom j+1, top j+1), (bottom j, top j+1, top j).
    std::vector<Corner> side = m.getCorners();
    Corner bottom{{0, 0, 0}, 0.5 * around, side[0].v, {0, -1, 0}};
    Corner top{{0, length, 0}, 0.5 * around, side[2].v, {0, 1, 0}};
    for (int j = 0; j < sides; ++j) {
        m.triangle(bottom, side[6 * j + 1], side[6 * j]);
        m.triangle(top, side[6 * j + 5], side[6 * j + 2]);
    }
    return m;
}

MeshBuilder trunk() {
    MeshBuilder m;
    // A flared foot, then a steady taper to the first branches.
    m.lathe({{0, 0}, {0.95, 0}, {0.95, 0}, {0.82, 0.4}, {0.72, 1.5}, {0.64, 5}, {0.52, 10}, {0.52, 10}, {0, 10}}, 9,
            2, 1 / kTileBark);
    return m;
}

// Flat, unlike the small leaves of the buildings and figures: a tree grows
// hundreds of them, and two triangles a side keep its corners few.
MeshBuilder leaf() {
    const double length = 1.4, width = 0.7;
    MeshBuilder m;
    auto c = [&](double x, double y) { return Corner{{x, y, 0}, 0.5 + x / width, 1.0 - y / length, {0, 0, 1}}; };
    Corner base = c(0, 0), left = c(-width / 2, length * 0.45), tip = c(0, length), right = c(width / 2, length * 0.45);
    m.sheetTriangle(base, right, tip);
    m.sheetTriangle(base, tip, left);
    return m;
}

MeshBuilder grass() {
    MeshBuilder m;
    Random random(17);
    for (int i = 0; i < 9; ++i) {
        double a = 2 * kPi * (i + random.unit() * 0.6) / 9;
        double r = random.range(0.05, 0.3);
        double height = random.range(0.75, 0.95);
        double lean = random.range(0.15, 0.4);
        Vec3 out(std::sin(a), 0, std::cos(a));
        Vec3 side(out.z, 0, -out.x);
        Vec3 base = out * r + Vec3(0, -0.5, 0);
        Vec3 mid = base + out * (lean * 0.4) + Vec3(0, (height + 0.5) * 0.55, 0);
        Vec3 tip = base + out * lean + Vec3(0, height + 0.5, 0);
        double w = random.range(0.05, 0.08);
        auto c = [&](const Vec3& p, double u) { return Corner{p, u, -p.y, {0, 1, 0}}; };
        Corner b0 = c(base - side * w, 0.4), b1 = c(base + side * w, 0.6), m0 = c(mid - side * (w * 0.6), 0.44),
               m1 = c(mid + side * (w * 0.6), 0.56), t = c(tip, 0.5);
        m.sheetTriangle(b0, b1, m1);
        m.sheetTriangle(b0, m1, m0);
        m.sheetTriangle(m0, m1, t);
    }
    return m;
}

MeshBuilder snowDrift() {
    MeshBuilder m;
    m.blob({0, -0.15, 0}, {2.3, 1.05, 1.9}, 16, 10, 0.14, 5, 1.5);
    return m;
}

MeshBuilder flowerStem() {
    MeshBuilder m;
    std::vector<Vec3> path;
    for (int i = 0; i <= 6; ++i) {
        double t = i / 6.0;
        path.push_back({0.04 * std::sin(t * 2.5), -0.47 + 1.25 * t, 0.02 * t});
    }
    m.tube(path, std::vector<double>(path.size(), 0.025), 6, 1);
    addLeafSheet(m, Xform::translate({0.01, 0.1, 0}) * Xform::rotateY(0.8) * Xform::rotateX(0.9), 0.3, 0.14);
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder flowerPetals() {
    MeshBuilder m;
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kPi * i / 6;
        Xform place = Xform::translate({0, 0.8, 0}) * Xform::rotateY(a) * Xform::rotateX(kPi / 2 - 0.35) *
                      Xform::translate({0, 0.04, 0});
        // The whole picture on each petal, v = 0 at the petal's tip.
        Vec3 base(0, 0, 0), tip(0, 0.3, 0), left(-0.09, 0.16, 0.02), right(0.09, 0.16, 0.02);
        auto c = [&](const Vec3& p) { return Corner{place.point(p), 0.5 + p.x / 0.2, 1.0 - p.y / 0.3, {0, 1, 0}}; };
        m.sheetTriangle(c(base), c(right), c(tip));
        m.sheetTriangle(c(base), c(tip), c(left));
    }
    return m;
}

MeshBuilder flowerCentre() {
    MeshBuilder m;
    m.ellipsoid({0, 0.81, 0}, {0.08, 0.05, 0.08}, 10, 6);
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder basket() {
    MeshBuilder m;
    m.lathe({{0, 0},
             {0.8, 0},
             {0.8, 0},
             {1.12, 0.5},
             {1.25, 0.74},
             {1.25, 0.74},
             {1.25, 0.82},
             {1.25, 0.82},
             {1.13, 0.82},
             {1.13, 0.82},
             {1.05, 0.62},
             {0.72, 0.1},
             {0.72, 0.1},
             {0, 0.1}},
            20, std::round(2 * kPi * 1.1 / kTileSmall), 1 / kTileSmall);
    std::vector<Vec3> handle;
    for (int i = 0; i <= 12; ++i) {
        double a = kPi * i / 12;
        handle.push_back({-1.15 * std::cos(a), 0.78 + 0.75 * std::sin(a), 0});
    }
    m.tube(handle, std::vector<double>(handle.size(), 0.05), 6, kTileSmall);
    return m;
}

std::vector<Vec3> appleCentres() {
    std::vector<Vec3> centres = {{0, 0.8, 0}};
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kPi * i / 6 + 0.3;
        centres.push_back({0.52 * std::sin(a), 0.7, 0.52 * std::cos(a)});
    }
    return centres;
}

MeshBuilder apples() {
    MeshBuilder m;
    for (const Vec3& c : appleCentres()) m.ellipsoid(c, {0.21, 0.19, 0.21}, 12, 8);
    return m;
}

MeshBuilder stems() {
    MeshBuilder m;
    int i = 0;
    for (const Vec3& c : appleCentres()) {
        Vec3 top = c + Vec3(0, 0.17, 0);
        m.tube({top, top + Vec3(0.02, 0.1, 0.01)}, {0.018, 0.012}, 5, 0.5);
        if (i++ % 2 == 0)
            addLeafSheet(m, Xform::translate(top + Vec3(0, 0.06, 0)) * Xform::rotateY(i * 1.3) * Xform::rotateX(1.1),
                         0.22, 0.11);
    }
    return m;
}

MeshBuilder simpleTree() {
    MeshBuilder m = internode(3, 0.25, 0.2, 6);
    m.lathe(MeshBuilder::sharpLoop({{0, 2.5}, {1.2, 2.5}, {0, 5}}), 8, 2, 0.5);
    return m;
}

MeshBuilder treeTop(double y0, double height, double radius) {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0, y0}, {radius, y0}, {0, y0 + height}}), 8, 2, 0.5);
    return m;
}

}  // namespace

void addNatureMeshes(MeshList& out) {
    out.push_back({"ObjFiles/trunk.obj", "tree trunk, 10 long", trunk()});
    out.push_back({"ObjFiles/branch1.obj", "first branches, 7 long", internode(7, 0.45, 0.3, 7)});
    out.push_back({"ObjFiles/branch2.obj", "branch, 5 long", internode(5, 0.3, 0.2, 6)});
    out.push_back({"ObjFiles/branch3.obj", "branch, 3 long", internode(3, 0.2, 0.12, 6)});
    out.push_back({"ObjFiles/branch4.obj", "twig, 2 long", internode(2, 0.12, 0.08, 5)});
    out.push_back({"ObjFiles/branch5.obj", "twig, 2 long", internode(2, 0.08, 0.05, 5)});
    out.push_back({"ObjFiles/leaf1.obj", "tree leaf", leaf()});
    out.push_back({"ObjFiles/grass.obj", "grass tuft", grass()});
    out.push_back({"ObjFiles/snow.obj", "snow drift or rock", snowDrift()});
    out.push_back({"ObjFiles/flowerStem.obj", "flower stem", flowerStem()});
    out.push_back({"ObjFiles/flowerPetals.obj", "flower petals", flowerPetals()});
    out.push_back({"ObjFiles/flowerCenter.obj", "flower centre", flowerCentre()});
    out.push_back({"ObjFiles/basket.obj", "apple basket", basket()});
    out.push_back({"ObjFiles/apples.obj", "apples", apples()});
    out.push_back({"ObjFiles/stems.obj", "apple stems", stems()});
    out.push_back({"ObjFiles/simpTree2.obj", "small tree", simpleTree()});
    out.push_back({"ObjFiles/treeTopSimple.obj", "tree top", treeTop(0, 4, 2)});
    out.push_back({"ObjFiles/treeTopSimpleLower.obj", "lower tree top", treeTop(-1, 3, 2.4)});
    MeshBuilder box;
    box.box({-0.5, 0, -0.5}, {0.5, 1, 0.5}, 1);
    out.push_back({"ObjFiles/box.obj", "wooden box", box});
}
