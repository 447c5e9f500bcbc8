// Spirit figures and what they wear. Figure frame: origin at the eye point,
// +z is the way the figure looks, ground at y = -1.3. The arm and leg spheres
// of the animated figures are drawn by the game at (+-1.2, 0, 0) and
// (+-0.65, -1.13, 0), so the body leaves room for them.
#include <cmath>

#include "MeshParts.h"

namespace {

constexpr double kBodyBottom = -1.0;
constexpr double kBodyTop = 1.1;
constexpr double kBodyWidth = 0.9;

// One-off skins wrap the body: u = 0.5 at the front (+z), growing towards +x,
// the seam at the back; v = 0 at the top of the head.
void skinTexCoords(Corner& c) {
    c.u = 0.5 + std::atan2(c.p.x, c.p.z) / (2 * kPi);
    c.v = (kBodyTop - c.p.y) / (kBodyTop - kBodyBottom);
}

MeshBuilder heroBody() {
    MeshBuilder m;
    m.lathe(bodyProfile(1.0, 1.0, 16), 20, 1.0, -1.0);
    return m;
}

MeshBuilder cone(double radius, double height, int sides) {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0, 0}, {radius, 0}, {0, height}}), sides, 1.0, 1.0);
    return m;
}

// Points a cone from base to tip.
Xform coneAt(const Vec3& base, const Vec3& tip) { return Xform::translate(base) * Xform::alignY(tip - base); }

MeshBuilder enemyBody() {
    MeshBuilder m;
    // Fewer sides than the hero's: a harder, faceted outline.
    m.lathe(bodyProfile(1.0, 1.0, 10), 9, 1.0, -1.0);
    // Horns on the head and a row of spikes down the back.
    for (int side = -1; side <= 1; side += 2) {
        MeshBuilder horn = cone(0.13, 0.42, 6);
        m.append(horn, coneAt({side * 0.32, 0.88, 0.1}, {side * 0.58, 1.19, 0.0}));
    }
    for (int i = 0; i < 5; ++i) {
        double y = 0.75 - i * 0.32;
        double r = spiritBodyRadius(y);
        Vec3 base(0, y, -r * 0.92);
        MeshBuilder spike = cone(0.11, 0.24, 5);
        m.append(spike, coneAt(base, base + Vec3(0, 0.1, -1).unit() * 0.24));
    }
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i) {
            double y = 0.35 - i * 0.4;
            double r = spiritBodyRadius(y);
            Vec3 out(side * std::sin(1.9), 0, std::cos(1.9));
            Vec3 base = Vec3(out.x * r * 0.93, y, out.z * r * 0.93);
            MeshBuilder spike = cone(0.09, 0.16, 5);
            m.append(spike, coneAt(base, base + out * 0.16));
        }
    m.mapTexCoords(skinTexCoords);
    return m;
}

// One eye: an ellipsoid with the picture laid flat over its front, pupil
// in the middle. cut: slant of an angry upper lid (0 for none).
MeshBuilder eye(double rx, double ry, double rz, double cut, int side) {
    MeshBuilder local;
    local.ellipsoid({0, 0, 0}, {rx, ry, rz}, 14, 10);
    if (cut != 0) {
        // Flatten the inner top into a slanted lid.
        Vec3 lid = Vec3(side * cut, 1, 0).unit();
        local.mapTexCoords([&](Corner& c) {
            double limit = 0.25 * ry - side * cut * c.p.x;
            if (c.p.y > limit) {
                c.p.y = limit;
                c.n = lid;
            }
        });
        MeshBuilder cleaned;
        cleaned.append(local);
        local = cleaned;
    }
    local.mapTexCoords([&](Corner& c) {
        c.u = 0.5 + c.p.x / (2 * rx);
        c.v = 0.5 - c.p.y / (2 * ry);
    });
    return local;
}

MeshBuilder eyes(bool angry) {
    MeshBuilder m;
    for (int side = -1; side <= 1; side += 2) {
        // side -1 is the figure's right eye (its right is -x).
        MeshBuilder one = angry ? eye(0.22, 0.2, 0.1, 0.45, -side) : eye(0.2, 0.22, 0.1, 0, side);
        double z = std::sqrt(std::pow(spiritBodyRadius(0.4), 2) - 0.09) + 0.04;
        m.append(one, Xform::translate({side * 0.3, 0.4, z}) * Xform::rotateY(side * 0.3));
    }
    return m;
}

MeshBuilder spheres(const std::vector<Vec3>& centres, double radius) {
    MeshBuilder m;
    for (const Vec3& c : centres) m.ellipsoid(c, {radius, radius, radius}, 12, 8);
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder pyramidWing(double length, double height, double depth) {
    // Apex at the origin, square end at +x.
    MeshBuilder m;
    Vec3 apex(0, 0, 0);
    Vec3 a(length, -height / 2, -depth / 2), b(length, -height / 2, depth / 2), c(length, height / 2, depth / 2),
        d(length, height / 2, -depth / 2);
    Vec3 sides[4][2] = {{a, b}, {b, c}, {c, d}, {d, a}};
    for (auto& s : sides) {
        Vec3 n = (s[0] - apex).cross(s[1] - apex).unit();
        Vec3 mid = (s[0] + s[1]) * 0.5;
        if (n.dot(mid - Vec3(length * 0.5, 0, 0)) < 0) n = -n;
        m.triangle({apex, 0, 0, n}, {s[0], 0, 0, n}, {s[1], 0, 0, n});
    }
    m.quad(a, b, c, d, {1, 0, 0}, 0, 0, 0, 0);
    return m;
}

MeshBuilder bow() {
    MeshBuilder m;
    MeshBuilder wing = pyramidWing(0.3, 0.26, 0.08);
    Xform place = Xform::translate({0.12, 1.1, 0.05}) * Xform::rotateZ(-0.35) * Xform::rotateY(0.3);
    m.append(wing, place * Xform::rotateZ(0.25));
    m.append(wing, place * Xform::rotateY(kPi) * Xform::rotateZ(0.25));
    m.box({-0.06, -0.06, -0.06}, {0.06, 0.06, 0.06}, 1, place);
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder eyelashes() {
    MeshBuilder m;
    for (int side = -1; side <= 1; side += 2) {
        double z = std::sqrt(std::pow(spiritBodyRadius(0.4), 2) - 0.09) + 0.04;
        for (int i = 0; i < 3; ++i) {
            double a = (i - 1) * 0.45;
            Vec3 base(side * 0.3 + std::sin(a) * 0.16, 0.4 + 0.2, z + 0.02);
            Xform place = Xform::translate(base) * Xform::rotateY(side * 0.3) * Xform::rotateZ(-a - side * 0.25) *
                          Xform::rotateX(-0.5);
            m.box({-0.012, 0, -0.012}, {0.012, 0.13, 0.012}, 1, place);
        }
    }
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder farmerHat() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0.32, 0.93}, {1.1, 0.95}, {1.1, 0.99}, {0.32, 0.97}}), 24,
            std::round(2 * kPi * 0.8 / kTileSmall), 1 / kTileSmall);
    m.lathe({{0, 0.95}, {0.6, 0.95}, {0.6, 0.95}, {0.56, 1.25}, {0.46, 1.42}, {0.3, 1.5}, {0, 1.52}}, 20,
            std::round(2 * kPi * 0.55 / kTileSmall), 1 / kTileSmall);
    return m;
}

// A band round the head: a ring with a rectangular cross-section.
void headBand(MeshBuilder& m, double y0, double y1, double thickness, double tileSize) {
    double r0 = spiritBodyRadius(y0) + 0.01, r1 = spiritBodyRadius(y1) + 0.01;
    m.lathe(MeshBuilder::sharpLoop({{r0 - 0.03, y0}, {r0 + thickness, y0}, {r1 + thickness, y1}, {r1 - 0.03, y1}}), 24,
            std::round(2 * kPi * r0 / tileSize), 1 / tileSize);
}

MeshBuilder crown() {
    MeshBuilder m;
    double y0 = 0.95, y1 = 1.12;
    double r0 = spiritBodyRadius(y0) + 0.02;
    m.lathe(MeshBuilder::sharpLoop({{r0 - 0.04, y0}, {r0 + 0.05, y0}, {r0 + 0.05, y1}, {r0 - 0.04, y1}}), 24,
            std::round(2 * kPi * r0 / kTileSmall), 1 / kTileSmall);
    for (int i = 0; i < 7; ++i) {
        double a = 2 * kPi * i / 7;
        MeshBuilder point;
        point.lathe(MeshBuilder::sharpLoop({{0, 0}, {0.1, 0}, {0, 0.28}}), 4, 1, 1 / kTileSmall, Xform(), kPi / 4);
        m.append(point, Xform::rotateY(a) * Xform::translate({0, y1 - 0.01, r0 + 0.005}) * Xform::scale(1.3, 1, 0.45));
    }
    return m;
}

MeshBuilder crownMain() {
    MeshBuilder m;
    headBand(m, 0.9, 1.02, 0.06, kTileWood);
    return m;
}

MeshBuilder crownLeaves() {
    MeshBuilder m;
    double r = spiritBodyRadius(0.96) + 0.06;
    for (int i = 0; i < 14; ++i) {
        double a = 2 * kPi * (i + 0.5) / 14;
        double lean = (i % 2) ? 0.6 : 1.0;
        Xform place = Xform::rotateY(a) * Xform::translate({0, 0.93, r}) * Xform::rotateX(lean) *
                      Xform::rotateZ((i % 2 ? 1 : -1) * 0.5);
        addLeafSheet(m, place, 0.32, 0.16);
    }
    return m;
}

MeshBuilder circletMain() {
    MeshBuilder m;
    headBand(m, 0.7, 0.86, 0.04, kTileSmall);
    return m;
}

MeshBuilder circletGem() {
    MeshBuilder m;
    double y = 0.78;
    double z = spiritBodyRadius(y) + 0.06;
    m.lathe(MeshBuilder::sharpLoop({{0, -0.06}, {0.07, 0}, {0.04, 0.04}, {0, 0.05}}), 6, 1, 1,
            Xform::translate({0, y, z}) * Xform::rotateX(kPi / 2));
    m.setTexCoords(0, 0);
    return m;
}

MeshBuilder princessHat() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0.3, 0.9}, {1.0, 0.92}, {1.0, 0.96}, {0.3, 0.94}}), 24,
            std::round(2 * kPi * 0.7 / kTileSmall), 1 / kTileSmall);
    std::vector<Vec3> path;
    std::vector<double> radii;
    for (int i = 0; i <= 10; ++i) {
        double t = i / 10.0;
        path.push_back({0, 0.93 + 1.55 * t, -0.35 * t * t * t});
        radii.push_back(0.6 * (1 - t) + 0.015);
    }
    m.tube(path, radii, 16, kTileSmall);
    return m;
}

MeshBuilder helmet() {
    MeshBuilder m;
    const double scaleR = 1.07, scaleY = 1.02;
    m.lathe(bodyProfile(scaleR, scaleY, 16), 20, std::round(2 * kPi * 0.95 / kTileSmall), 1 / kTileSmall);
    auto shellRadius = [&](double y) { return spiritBodyRadius(0.05 + (y - 0.05) / scaleY) * scaleR; };
    // Visor bars across the face: the gaps between them are the eye slits.
    for (double y : {0.24, 0.4, 0.56}) {
        std::vector<Vec3> arc;
        std::vector<double> radii;
        double r = shellRadius(y) + 0.015;
        for (int i = 0; i <= 12; ++i) {
            double a = -1.1 + 2.2 * i / 12;
            arc.push_back({r * std::sin(a), y, r * std::cos(a)});
            radii.push_back(0.045);
        }
        m.tube(arc, radii, 6, kTileSmall);
    }
    // Nose guard, and a crest from the brow over the top to the back.
    std::vector<Vec3> guard, crest;
    for (int i = 0; i <= 6; ++i) {
        double y = 0.7 - 0.6 * i / 6;
        guard.push_back({0, y, shellRadius(y) + 0.02});
    }
    double top = 0.05 + 1.05 * scaleY;
    for (int i = 0; i <= 6; ++i) {
        double y = 0.75 + (top - 0.02 - 0.75) * i / 6;
        crest.push_back({0, y, shellRadius(y)});
    }
    crest.push_back({0, top, 0});
    for (int i = 6; i >= 0; --i) {
        double y = 0.45 + (top - 0.02 - 0.45) * i / 6;
        crest.push_back({0, y, -shellRadius(y)});
    }
    m.tube(guard, std::vector<double>(guard.size(), 0.05), 6, kTileSmall);
    m.tube(crest, std::vector<double>(crest.size(), 0.04), 6, kTileSmall);
    return m;
}

}  // namespace

double spiritBodyRadius(double y) {
    double centre = (kBodyTop + kBodyBottom) / 2, half = (kBodyTop - kBodyBottom) / 2;
    double t = (y - centre) / half;
    if (t <= -1 || t >= 1) return 0;
    const double p = 2.4;  // fuller than an ellipse: a round head over a round belly
    double r = kBodyWidth * std::pow(1 - std::pow(std::fabs(t), p), 1 / p);
    return r * (1 - 0.05 * t);
}

std::vector<ProfilePoint> bodyProfile(double scaleR, double scaleY, int rings) {
    std::vector<ProfilePoint> profile;
    double centre = (kBodyTop + kBodyBottom) / 2;
    for (int i = 0; i <= rings; ++i) {
        double t = std::sin(-kPi / 2 + kPi * i / rings);
        double y = centre + (t * (kBodyTop - kBodyBottom) / 2) * scaleY;
        double r = spiritBodyRadius(centre + t * (kBodyTop - kBodyBottom) / 2) * scaleR;
        if (i == 0 || i == rings) r = 0;
        profile.push_back({r, y});
    }
    return profile;
}

void addFigureMeshes(MeshList& out) {
    out.push_back({"ObjFiles/heroBody.obj", "forest spirit body", heroBody()});
    out.push_back({"ObjFiles/enemyBody.obj", "horned enemy spirit body", enemyBody()});
    out.push_back({"ObjFiles/heroEyes.obj", "round eyes", eyes(false)});
    out.push_back({"ObjFiles/enemyEyes.obj", "angry eyes", eyes(true)});
    out.push_back({"ObjFiles/hands.obj", "hands of a standing spirit", spheres({{-1.2, 0, 0}, {1.2, 0, 0}}, 0.2)});
    out.push_back(
        {"ObjFiles/feet.obj", "feet of a standing spirit", spheres({{-0.65, -1.13, 0}, {0.65, -1.13, 0}}, 0.35)});
    out.push_back({"ObjFiles/leftArm.obj", "left arm", spheres({{-1.2, 0, 0}}, 0.2)});
    out.push_back({"ObjFiles/rightArm.obj", "right arm", spheres({{1.2, 0, 0}}, 0.2)});
    out.push_back({"ObjFiles/leftFoot.obj", "left foot", spheres({{-0.65, -1.13, 0}}, 0.35)});
    out.push_back({"ObjFiles/rightFoot.obj", "right foot", spheres({{0.65, -1.13, 0}}, 0.35)});
    out.push_back({"ObjFiles/bow.obj", "hair bow", bow()});
    out.push_back({"ObjFiles/eyelashes.obj", "eyelashes", eyelashes()});
    out.push_back({"ObjFiles/farmerHat.obj", "straw hat", farmerHat()});
    out.push_back({"ObjFiles/crown.obj", "the king's crown", crown()});
    out.push_back({"ObjFiles/crownMain.obj", "wreath band", crownMain()});
    out.push_back({"ObjFiles/crownLeaves.obj", "wreath leaves", crownLeaves()});
    out.push_back({"ObjFiles/circletMain.obj", "circlet", circletMain()});
    out.push_back({"ObjFiles/circletGem.obj", "circlet gem", circletGem()});
    out.push_back({"ObjFiles/princessHat.obj", "pointed hat", princessHat()});
    out.push_back({"ObjFiles/helmet.obj", "armoured helmet shell", helmet()});
}
