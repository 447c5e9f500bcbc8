// Things the hero holds. Drawn in the world, in the heads-up item signal
// and turning in the carousel about their own y axis, so each stands with
// its origin at the bottom centre and is 1 to 2.5 units tall or wide.
#include <cmath>

#include "MeshParts.h"

namespace {

MeshBuilder vial() {
    MeshBuilder m;
    // One picture wraps the flask: v = 0 at the cork.
    m.lathe({{0, 0},
             {0.3, 0},
             {0.3, 0},
             {0.4, 0.08},
             {0.43, 0.3},
             {0.36, 0.55},
             {0.15, 0.7},
             {0.11, 0.84},
             {0.11, 0.84},
             {0.16, 0.88},
             {0.16, 0.95},
             {0.16, 0.95},
             {0.1, 0.97},
             {0.1, 1.1},
             {0.1, 1.1},
             {0, 1.12}},
            16, 1.0, -1.0);
    return m;
}

MeshBuilder coin() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0, 0}, {0.22, 0}, {0.22, 0.05}, {0, 0.05}}), 14, 3, 1 / kTileSmall);
    return m;
}

MeshBuilder coins() {
    MeshBuilder m;
    MeshBuilder one = coin();
    const double stack[][4] = {{-0.16, 0.05, 0, 0.1}, {-0.15, 0.06, 1, 0.7}, {-0.17, 0.04, 2, 1.9},
                               {-0.14, 0.07, 3, 2.6}, {0.2, -0.12, 0, 0.4}, {0.21, -0.1, 1, 1.2}};
    for (const auto& c : stack)
        m.append(one, Xform::translate({c[0], c[2] * 0.052, c[1]}) * Xform::rotateY(c[3]));
    m.append(one, Xform::translate({0.24, 0.02, 0.2}) * Xform::rotateX(-1.1) * Xform::translate({0, -0.025, 0.2}));
    m.append(one, Xform::translate({0.05, 0, -0.28}) * Xform::rotateY(0.5));
    return m;
}

MeshBuilder glove(bool left) {
    MeshBuilder m;
    double tile = kTileSmall;
    m.lathe({{0, 0}, {0.28, 0}, {0.28, 0}, {0.27, 0.12}, {0.22, 0.45}, {0.22, 0.45}, {0, 0.45}}, 12, 3, 1 / tile);
    m.lathe(MeshBuilder::sharpLoop({{0.2, 0.02}, {0.31, 0.02}, {0.31, 0.12}, {0.2, 0.12}}), 12, 3, 1 / tile);
    MeshBuilder palm;
    palm.ellipsoid({0, 0, 0}, {0.22, 0.24, 0.1}, 12, 8, 3, 1);
    m.append(palm, Xform::translate({0, 0.65, 0}));
    for (int i = 0; i < 4; ++i) {
        double x = -0.15 + 0.1 * i;
        double len = (i == 0 || i == 3) ? 0.24 : 0.3;
        std::vector<Vec3> finger;
        for (int k = 0; k <= 3; ++k) {
            double t = k / 3.0;
            finger.push_back({x * (1 + 0.1 * t), 0.8 + len * t, 0.06 * t * t});
        }
        m.tube(finger, {0.05, 0.048, 0.045, 0.04}, 6, tile);
    }
    m.tube({{0.16, 0.58, 0.02}, {0.26, 0.7, 0.05}, {0.32, 0.8, 0.07}}, {0.055, 0.05, 0.045}, 6, tile);
    if (left) return m;
    MeshBuilder mirrored;
    mirrored.append(m, Xform::scale(-1, 1, 1));
    return mirrored;
}

// A ring standing upright in the x-y plane, resting on y = 0.
MeshBuilder band(double radius, double halfWidth, double thickness, int segments) {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{radius - thickness, -halfWidth},
                                    {radius, -halfWidth},
                                    {radius, halfWidth},
                                    {radius - thickness, halfWidth}}),
            segments, std::round(2 * kPi * radius / kTileSmall), 1 / kTileSmall,
            Xform::translate({0, radius, 0}) * Xform::rotateX(kPi / 2));
    return m;
}

MeshBuilder ringMain() {
    MeshBuilder m = band(0.38, 0.06, 0.08, 24);
    // The setting that holds the gem.
    m.lathe(MeshBuilder::sharpLoop({{0, 0.74}, {0.06, 0.74}, {0.11, 0.84}, {0.08, 0.84}, {0, 0.8}}), 8, 2,
            1 / kTileSmall);
    return m;
}

MeshBuilder ringGem() {
    MeshBuilder m;
    m.flatLathe(MeshBuilder::sharpLoop({{0, 0.79}, {0.1, 0.87}, {0.06, 0.93}, {0, 0.93}}), 8, 1, 1);
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder boot() {
    MeshBuilder m;
    double tile = kTileSmall;
    m.lathe({{0, 0.2}, {0.17, 0.2}, {0.17, 0.2}, {0.16, 0.45}, {0.19, 0.68}, {0.19, 0.68}, {0.14, 0.68}, {0.14, 0.68},
             {0, 0.62}},
            12, 2, 1 / tile);
    MeshBuilder foot;
    foot.ellipsoid({0, 0, 0}, {0.17, 0.15, 0.33}, 12, 8, 2, 1);
    m.append(foot, Xform::translate({0, 0.15, 0.12}));
    m.box({-0.16, 0, -0.2}, {0.16, 0.04, 0.44}, tile);
    return m;
}

MeshBuilder boots() {
    MeshBuilder m;
    MeshBuilder one = boot();
    m.append(one, Xform::translate({-0.3, 0, 0}));
    m.append(one, Xform::translate({0.3, 0, 0}));
    return m;
}

MeshBuilder bootWings() {
    MeshBuilder m;
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i) {
            double len = 0.42 - 0.07 * i;
            Xform place = Xform::translate({side * 0.47, 0.52, -0.05}) * Xform::rotateY(side * 0.25) *
                          Xform::rotateX(-0.5 - 0.35 * i) * Xform::rotateZ(-side * 0.5);
            // One feather picture per feather, v = 0 at its tip.
            Vec3 base(0, 0, 0), tip(0, len, 0), l(-0.06, len * 0.55, 0), r(0.06, len * 0.55, 0);
            auto c = [&](const Vec3& p) { return Corner{place.point(p), 0.5 + p.x / 0.14, 1 - p.y / len, {1, 0, 0}}; };
            m.sheetTriangle(c(base), c(r), c(tip));
            m.sheetTriangle(c(base), c(tip), c(l));
        }
    return m;
}

MeshBuilder richGem() {
    MeshBuilder m;
    // Standing on its point; each of the eight facets shows the picture once.
    m.flatLathe(MeshBuilder::sharpLoop({{0, 0}, {0.55, 0.75}, {0.55, 0.8}, {0.32, 1.18}, {0, 1.18}}), 8, 8, -1.0);
    return m;
}

MeshBuilder swordBlade() {
    MeshBuilder m;
    m.flatLathe({{0, 0.7}, {0.12, 0.7}, {0.12, 0.7}, {0.1, 1.95}, {0, 2.25}}, 4, 1, 1 / kTileSmall,
                Xform::scale(1, 1, 0.22), kPi / 4);
    m.box({-0.42, 0.6, -0.07}, {0.42, 0.72, 0.07}, kTileSmall);
    return m;
}

MeshBuilder swordHandle() {
    MeshBuilder m;
    m.lathe({{0, 0.16}, {0.065, 0.16}, {0.065, 0.16}, {0.055, 0.4}, {0.065, 0.62}, {0.065, 0.62}, {0, 0.62}}, 10, 1,
            1 / kTileSmall);
    m.ellipsoid({0, 0.11, 0}, {0.11, 0.11, 0.11}, 10, 8, 1, 0.5);
    return m;
}

MeshBuilder worldMap() {
    MeshBuilder m;
    // A sheet 1.6 x 1.2 curling at its sides; the front shows the whole
    // picture upright, the back a blank corner of it.
    const int columns = 12, rows = 4;
    auto at = [&](int i, int j) {
        double x = -0.8 + 1.6 * i / columns;
        double y = 1.2 * j / rows;
        double s = std::fabs(x) / 0.8;
        return Vec3(x * (1 - 0.06 * s * s), y, -0.16 * s * s * s);
    };
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j) {
            Vec3 p[4] = {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)};
            double u[4] = {(double)i / columns, (double)(i + 1) / columns, (double)(i + 1) / columns,
                           (double)i / columns};
            double v[4] = {1 - (double)j / rows, 1 - (double)j / rows, 1 - (double)(j + 1) / rows,
                           1 - (double)(j + 1) / rows};
            Vec3 n = (p[1] - p[0]).cross(p[3] - p[0]).unit();
            if (n.z < 0) n = -n;
            Corner c[4];
            for (int k = 0; k < 4; ++k) c[k] = {p[k], u[k], v[k], n};
            m.triangle(c[0], c[1], c[2]);
            m.triangle(c[0], c[2], c[3]);
            for (int k = 0; k < 4; ++k) c[k] = {p[k], 0.02, 0.02, -n};
            m.triangle(c[0], c[1], c[2]);
            m.triangle(c[0], c[2], c[3]);
        }
    return m;
}

// The compass is hung with its face towards local -z.
MeshBuilder compassCase() {
    MeshBuilder m;
    Xform faceOn = Xform::rotateX(-kPi / 2);  // lathe axis +y onto -z
    m.lathe(MeshBuilder::sharpLoop({{0.4, -0.06}, {0.47, -0.06}, {0.47, 0.05}, {0.4, 0.05}}), 24, 6, 1 / kTileSmall,
            faceOn);
    m.lathe(MeshBuilder::sharpLoop({{0, -0.05}, {0.41, -0.05}, {0.41, -0.02}, {0, -0.02}}), 24, 6, 1 / kTileSmall,
            faceOn);
    MeshBuilder bail;
    bail.lathe(MeshBuilder::sharpLoop({{0.05, -0.02}, {0.085, -0.02}, {0.085, 0.02}, {0.05, 0.02}}), 12, 1,
               1 / kTileSmall, Xform::translate({0, 0.53, 0}) * Xform::rotateX(kPi / 2));
    m.append(bail);
    return m;
}

MeshBuilder compassFace() {
    MeshBuilder m;
    const int sides = 32;
    const double r = 0.4, z = -0.02;
    // Seen from -z the viewer's right is -x: u grows towards -x, N (+y) at the top.
    auto c = [&](double x, double y) { return Corner{{x, y, z}, 0.5 - x / (2 * r), 0.5 - y / (2 * r), {0, 0, -1}}; };
    for (int i = 0; i < sides; ++i) {
        double a0 = 2 * kPi * i / sides, a1 = 2 * kPi * (i + 1) / sides;
        m.triangle(c(0, 0), c(r * std::cos(a0), r * std::sin(a0)), c(r * std::cos(a1), r * std::sin(a1)));
    }
    return m;
}

MeshBuilder compassPointer() {
    MeshBuilder m;
    m.flatLathe(MeshBuilder::sharpLoop({{0, -0.08}, {0.045, 0.03}, {0, 0.35}}), 4, 1, 1,
                Xform::translate({0, 0, -0.04}) * Xform::scale(1, 1, 0.3));
    m.setTexCoords(0, 0);
    return m;
}

}  // namespace

void addItemMeshes(MeshList& out) {
    out.push_back({"ObjFiles/vial.obj", "healing vial", vial()});
    out.push_back({"ObjFiles/coins.obj", "pile of coins", coins()});
    out.push_back({"ObjFiles/leftGlove.obj", "left gauntlet", glove(true)});
    out.push_back({"ObjFiles/rightGlove.obj", "right gauntlet", glove(false)});
    out.push_back({"ObjFiles/ringMain.obj", "ring of regeneration", ringMain()});
    out.push_back({"ObjFiles/ringGem.obj", "the ring's gem", ringGem()});
    out.push_back({"ObjFiles/lordOfRing.obj", "the king's ring", band(0.4, 0.09, 0.09, 28)});
    out.push_back({"ObjFiles/boots1.obj", "pair of boots", boots()});
    out.push_back({"ObjFiles/boots2.obj", "feathered boot wings", bootWings()});
    out.push_back({"ObjFiles/iAmRichGEm.obj", "the costly gem", richGem()});
    out.push_back({"ObjFiles/swordMain.obj", "sword blade and guard", swordBlade()});
    out.push_back({"ObjFiles/swordHandle.obj", "sword grip and pommel", swordHandle()});
    out.push_back({"ObjFiles/map.obj", "world map sheet", worldMap()});
    out.push_back({"ObjFiles/compassMain.obj", "compass case", compassCase()});
    out.push_back({"ObjFiles/compassFace.obj", "compass face", compassFace()});
    out.push_back({"ObjFiles/compassPointer.obj", "compass needle", compassPointer()});
}
