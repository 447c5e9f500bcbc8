#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include "PictureList.h"

namespace {

// How the sky box maps each face: picture column s and row t (0 at the
// left and top, 1 at the right and bottom) to a direction from the centre.
struct Face {
    const char* name;
    void (*direction)(float s, float t, float out[3]);
};

const Face faces[] = {
    {"north", [](float s, float t, float d[3]) { d[0] = -1 + 2 * s, d[1] = 1 - 2 * t, d[2] = -1; }},
    {"south", [](float s, float t, float d[3]) { d[0] = 1 - 2 * s, d[1] = 1 - 2 * t, d[2] = 1; }},
    {"east", [](float s, float t, float d[3]) { d[0] = 1, d[1] = 1 - 2 * t, d[2] = -1 + 2 * s; }},
    {"west", [](float s, float t, float d[3]) { d[0] = -1, d[1] = 1 - 2 * t, d[2] = 1 - 2 * s; }},
    {"up", [](float s, float t, float d[3]) { d[0] = 1 - 2 * s, d[1] = 1, d[2] = -1 + 2 * t; }},
    {"down", [](float s, float t, float d[3]) { d[0] = 1 - 2 * s, d[1] = -1, d[2] = 1 - 2 * t; }},
};

enum Edge { Left, Right, Top, Bottom };

struct Seam {
    const char* a;
    Edge edgeA;
    const char* b;
    Edge edgeB;
    bool reversed;
};

// The twelve edges of the cube, worked out from the mapping above.
const Seam seams[] = {
    {"north", Left, "west", Right, false},   {"north", Right, "east", Left, false},
    {"east", Right, "south", Left, false},   {"south", Right, "west", Left, false},
    {"north", Top, "up", Top, true},         {"south", Top, "up", Bottom, false},
    {"east", Top, "up", Left, false},        {"west", Top, "up", Right, true},
    {"north", Bottom, "down", Bottom, true}, {"south", Bottom, "down", Top, false},
    {"east", Bottom, "down", Left, true},    {"west", Bottom, "down", Right, false},
};

void edgePixel(const Picture& picture, Edge edge, int k, Uint8 rgb[3]) {
    int last = picture.surface->w - 1;
    int x = edge == Left ? 0 : edge == Right ? last : k;
    int y = edge == Top ? 0 : edge == Bottom ? last : k;
    picture.rgb(x, y, rgb[0], rgb[1], rgb[2]);
}

std::map<std::string, std::unique_ptr<Picture>> loadFaces() {
    std::map<std::string, std::unique_ptr<Picture>> loaded;
    for (const Face& face : faces)
        loaded[face.name] = std::make_unique<Picture>(std::string("skybox/sunset_") + face.name + ".bmp");
    return loaded;
}

}  // namespace

TEST(PictureSky, FacesMeetWithoutASeamAlongEveryEdgeOfTheCube) {
    auto loaded = loadFaces();
    for (auto& entry : loaded) ASSERT_NE(entry.second->surface, nullptr) << entry.first;
    for (const Seam& seam : seams) {
        SCOPED_TRACE(std::string(seam.a) + " against " + seam.b);
        const Picture& a = *loaded[seam.a];
        const Picture& b = *loaded[seam.b];
        int n = a.surface->w;
        ASSERT_EQ(b.surface->w, n);
        long total = 0, along = 0;
        int worst = 0;
        Uint8 previous[3] = {0, 0, 0};
        for (int k = 0; k < n; ++k) {
            Uint8 pa[3], pb[3];
            edgePixel(a, seam.edgeA, k, pa);
            edgePixel(b, seam.edgeB, seam.reversed ? n - 1 - k : k, pb);
            for (int c = 0; c < 3; ++c) {
                int d = std::abs(pa[c] - pb[c]);
                total += d;
                worst = std::max(worst, d);
                if (k > 0) along += std::abs(pa[c] - previous[c]);
                previous[c] = pa[c];
            }
        }
        EXPECT_LE(total / (3.0 * n), 2.0);
        EXPECT_LE(worst, 24);
        // An edge that does not change along its length would match whatever
        // the orientation, and prove nothing.
        EXPECT_GT(along, 3 * n / 4) << "the sky hardly changes along this edge";
    }
}

TEST(PictureSky, TheSunStandsTowardsTheSceneLight) {
    auto loaded = loadFaces();
    float light[3] = {-272.532f, 100.833f, -176.003f};
    float length = std::sqrt(light[0] * light[0] + light[1] * light[1] + light[2] * light[2]);
    int brightest = -1;
    float best[3] = {0, 0, 0};
    for (const Face& face : faces) {
        const Picture& picture = *loaded[face.name];
        ASSERT_NE(picture.surface, nullptr) << face.name;
        int n = picture.surface->w;
        for (int y = 0; y < n; y += 2)
            for (int x = 0; x < n; x += 2) {
                Uint8 r, g, b;
                picture.rgb(x, y, r, g, b);
                if (r + g + b <= brightest) continue;
                brightest = r + g + b;
                face.direction((x + 0.5f) / n, (y + 0.5f) / n, best);
            }
    }
    float bestLength = std::sqrt(best[0] * best[0] + best[1] * best[1] + best[2] * best[2]);
    float cosine = (best[0] * light[0] + best[1] * light[1] + best[2] * light[2]) / (bestLength * length);
    EXPECT_GT(cosine, 0.995f);
}
