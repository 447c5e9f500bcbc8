// The six faces of one sunset sky, painted from a single function of the
// viewing direction so that neighbouring faces meet without a seam.
#include <cmath>
#include <cstring>

#include "PictureNoise.h"
#include "PictureParts.h"
#include "PictureStyle.h"

namespace {

const int faceSize = 512;

struct Direction {
    float x, y, z;
};

// The sun stands towards the scene's light.
const Direction sun = [] {
    float x = -272.532f, y = 100.833f, z = -176.003f;
    float len = std::sqrt(x * x + y * y + z * z);
    return Direction{x / len, y / len, z / len};
}();

uint32_t bitsOf(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

Colour skyColour(Direction d) {
    float len = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    d = {d.x / len, d.y / len, d.z / len};
    float toSun = d.x * sun.x + d.y * sun.y + d.z * sun.z;
    float sunSide = 0.5f + 0.5f * toSun;
    Colour horizon = mix(rgb(214, 120, 136), rgb(255, 196, 112), sunSide * sunSide);
    Colour colour;
    if (d.y >= 0) {
        colour = ramp({{0, horizon},
                       {0.1f, mix(rgb(204, 110, 120), rgb(248, 150, 96), sunSide)},
                       {0.3f, rgb(150, 96, 146)},
                       {0.6f, rgb(72, 64, 134)},
                       {1, rgb(28, 32, 86)}},
                      d.y);
        // Streaks of cloud on a plane above, lit from the sun's side.
        float lift = d.y + 0.12f;
        float px = d.x / lift, pz = d.z / lift;
        float density = fbm(px * 0.9f + 11, pz * 2.4f + 5, 0, 5, 9001);
        float cloud = smoothstep(0.5f, 0.72f, density) * smoothstep(0.0f, 0.12f, d.y) * (1 - smoothstep(0.55f, 0.9f, d.y));
        Colour lit = mix(rgb(120, 70, 110), rgb(255, 170, 100), std::pow(sunSide, 1.5f));
        Colour underside = mix(lit, rgb(70, 46, 84), smoothstep(0.6f, 0.85f, density) * 0.6f);
        colour = mix(colour, underside, cloud * 0.85f);
    } else {
        // Below the horizon: a sea of haze and cloud under the islands.
        float down = -d.y;
        colour = ramp({{0, horizon},
                       {0.08f, mix(rgb(176, 104, 124), rgb(222, 140, 108), sunSide)},
                       {0.35f, rgb(92, 62, 104)},
                       {1, rgb(30, 22, 50)}},
                      down);
        float lift = down + 0.12f;
        float px = d.x / lift, pz = d.z / lift;
        float billow = fbm(px * 1.6f + 3, pz * 1.6f + 17, 0, 5, 9002);
        float shade = smoothstep(0.35f, 0.75f, billow) * smoothstep(0.0f, 0.1f, down);
        Colour top = mix(rgb(150, 100, 140), rgb(250, 170, 120), std::pow(sunSide, 2.0f) * (1 - down));
        colour = mix(colour, top, shade * 0.55f);
    }
    // Glow around the sun and the sun itself.
    float aura = std::max(0.0f, toSun);
    colour = colour + rgb(255, 180, 100) * (0.35f * std::pow(aura, 10.0f) + 0.35f * std::pow(aura, 120.0f));
    float disc = smoothstep(0.9988f, 0.9993f, toSun);
    colour = {std::max(colour.r, disc), std::max(colour.g, disc * 0.97f), std::max(colour.b, disc * 0.88f)};
    float dither = (hashUnit((int)bitsOf(d.x), (int)bitsOf(d.y), (int)bitsOf(d.z), 77) - 0.5f) / 255.0f;
    return {clamp01(colour.r + dither), clamp01(colour.g + dither), clamp01(colour.b + dither)};
}

enum class Face { North, South, East, West, Up, Down };

// Picture column i and row j to a direction from the centre; a(i) runs
// from -1 at the left edge to +1 at the right, so the edge pixels of two
// neighbouring faces look along exactly the same direction.
Direction directionOf(Face face, int i, int j) {
    auto a = [](int k) { return (float)(2 * k - (faceSize - 1)) / (float)(faceSize - 1); };
    float s = a(i), t = a(j);
    switch (face) {
        case Face::North: return {s, -t, -1};
        case Face::South: return {-s, -t, 1};
        case Face::East: return {1, -t, s};
        case Face::West: return {-1, -t, -s};
        case Face::Up: return {-s, 1, t};
        case Face::Down: return {-s, -1, -t};
    }
    return {0, 0, 1};
}

Image paintFace(Face face) {
    Canvas c(faceSize, faceSize);
    c.paint([face](float x, float y) { return skyColour(directionOf(face, (int)x, (int)y)); });
    return c.opaqueImage();
}

}  // namespace

void addSkyPictures(std::vector<PictureTask>& tasks) {
    tasks.push_back({"skybox/sunset_north.bmp", [] { return paintFace(Face::North); }});
    tasks.push_back({"skybox/sunset_south.bmp", [] { return paintFace(Face::South); }});
    tasks.push_back({"skybox/sunset_east.bmp", [] { return paintFace(Face::East); }});
    tasks.push_back({"skybox/sunset_west.bmp", [] { return paintFace(Face::West); }});
    tasks.push_back({"skybox/sunset_up.bmp", [] { return paintFace(Face::Up); }});
    tasks.push_back({"skybox/sunset_down.bmp", [] { return paintFace(Face::Down); }});
}
