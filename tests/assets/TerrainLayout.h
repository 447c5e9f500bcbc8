#ifndef TESTS_TERRAINLAYOUT_H
#define TESTS_TERRAINLAYOUT_H

// What the game puts on each island, as its level code places it: the
// terrain checks hold the generated maps against these numbers.
#include <cmath>
#include <string>
#include <vector>

#include "TerrainField.h"

struct IslandFiles {
    const char* heightMap;
    int side;
    const char* miniMap;
    const char* nature;  // prefix of the three nature overlays
    int natureSide;      // island 10 reads island 9's overlays
    const char* money;   // "" when the island has no coins
};

inline const IslandFiles islandFiles[13] = {
    {"HeightMap/islandHomeHeightMap.bmp", 200, "HeightMap/islandHomeMiniMap.bmp", "NatureOverlays/islandHome", 200, ""},
    {"HeightMap/island1HeightMap.bmp", 300, "HeightMap/island1MiniMapL.bmp", "NatureOverlays/island1", 300,
     "MoneyOverlays/island1Money.bmp"},
    {"HeightMap/island2HeightMap.bmp", 200, "HeightMap/island2MiniMap.bmp", "NatureOverlays/island2", 200, ""},
    {"HeightMap/island3HeightMap.bmp", 300, "HeightMap/island3MiniMap.bmp", "NatureOverlays/island3", 300,
     "MoneyOverlays/island3Money.bmp"},
    {"HeightMap/island4HeightMap.bmp", 250, "HeightMap/island4MiniMap.bmp", "NatureOverlays/island4", 250, ""},
    {"HeightMap/island5HeightMap.bmp", 317, "HeightMap/island5MiniMap.bmp", "NatureOverlays/island5", 317, ""},
    {"HeightMap/island6HeightMap.bmp", 252, "HeightMap/island6MiniMap.bmp", "NatureOverlays/island6", 252, ""},
    {"HeightMap/island7HeightMap.bmp", 200, "HeightMap/island7MiniMap.bmp", "NatureOverlays/island7", 200, ""},
    {"HeightMap/island8HeightMap.bmp", 281, "HeightMap/island8MiniMap.bmp", "NatureOverlays/island8", 281, ""},
    {"HeightMap/island9HeightMap.bmp", 381, "HeightMap/island9MiniMap.bmp", "NatureOverlays/island9", 381, ""},
    {"HeightMap/island10HeightMap.bmp", 212, "HeightMap/island10MiniMap.bmp", "NatureOverlays/island9", 381,
     "MoneyOverlays/island10Money.bmp"},
    {"HeightMap/island11HeightMap.bmp", 234, "HeightMap/island11MiniMap.bmp", "NatureOverlays/island11", 234, ""},
    {"HeightMap/island12HeightMap.bmp", 277, "HeightMap/island12MiniMap.bmp", "NatureOverlays/island12", 277, ""},
};

// The lowest ground a hero may stand on: lava ends the game below it.
inline int safeLevel(int island) { return island == 9 ? 14 : island == 10 ? 10 : 0; }

struct GateSite {
    int island;
    double x, y, z;
    double angle;  // degrees about y; the front is (sin, 0, cos)
    Ground front() const {
        double a = angle * M_PI / 180;
        return {std::sin(a), std::cos(a)};
    }
    // Where a hero coming through the partner gate lands.
    Ground arrival() const { return {x + 2.75 * front().x, z + 2.75 * front().z}; }
    int level() const { return (int)std::lround(y); }
};

inline const GateSite gateSites[24] = {
    {0, -46.45, 13, 40.07, 130},           {1, -76.1762, 13.9, 101.752, 158},   {1, 111.35, 36, -47.1129, 0},
    {2, -76.0768, 26.6209, -86.3743, 45},  {1, 114.494, 36, 30.2315, 180},      {3, -66.3137, 50.3, 11.7492, 180},
    {2, 48.8406, 19.8151, 75.9135, 180},   {5, -104.47, 9.34535, -110.409, 60}, {2, -78.2282, 6.73977, 28.2846, 130},
    {4, -69.2856, 50.6547, 68.1097, 140},  {5, -51.6445, 15.8225, 89.2743, 130}, {6, 68.8748, 30.4912, 50.042, 230},
    {6, 34.1666, 31, -90.4244, -20},       {7, -29.5897, 39.3464, -64.6028, 20}, {5, 103.132, 15.9176, 48.6212, 250},
    {10, 28.0389, 13.9549, 44.8647, 140},  {6, -97.0094, 24.7409, 21.5497, 130}, {8, -58.9407, 47.2829, -55.9879, 50},
    {10, 82.2722, 50.8841, 4.59742, 220},  {9, -14.9919, 14.0199, 168.105, 155}, {8, 81.8328, 51.0932, 120.598, 220},
    {11, -90.7295, 43.5998, -85.0915, 50}, {11, 1.05586, 50.2988, 63.554, 130},  {12, 64.226, 32.1956, -120.138, -40},
};

// Something that stands on the ground: it needs level ground within `radius`
// at a level from `low` to `high`. Solid ones also block a walking hero.
enum class Kind { BUILDING, HUT, SHOP, PROP, SPIRIT, START, ITEM, VOLCANO, SPOT };

struct Footing {
    int island;
    Kind kind;
    double x, z;
    double radius;  // level ground needed; also the collision radius of solid things
    int low, high;
    const char* what;
};

inline const std::vector<Footing>& footings() {
    static const std::vector<Footing> list = {
        // Home island: the level-5 village.
        {0, Kind::PROP, -40.2506, -14.5415, 3, 5, 5, "statue"},
        {0, Kind::PROP, 13.4653, 40.6323, 1.3, 5, 5, "basket"},
        {0, Kind::PROP, 14.687, -18.0618, 1.3, 5, 5, "basket"},
        {0, Kind::PROP, -4.25816, -39.0336, 1.3, 5, 5, "basket"},
        {0, Kind::PROP, -59.7567, -24.436, 1.3, 5, 5, "basket"},
        {0, Kind::PROP, -62.3351, -26.2001, 1.3, 5, 5, "basket"},
        {0, Kind::SHOP, -13.869, 46.4609, 8, 5, 5, "shop"},
        {0, Kind::BUILDING, 47.5187, -18.51244, 5, 5, 5, "house"},
        {0, Kind::BUILDING, -11.5823, -38.9093, 5, 5, 5, "house"},
        {0, Kind::BUILDING, -65.9037, -20.0365, 5, 5, 5, "house"},
        {0, Kind::BUILDING, -25.5464, 5.99387, 5, 5, 5, "house"},
        {0, Kind::BUILDING, 43.1831, 18.0338, 5, 5, 5, "house"},
        {0, Kind::BUILDING, 20.6555, 39.9208, 5, 5, 5, "house"},
        {0, Kind::HUT, 15.8526, -11.7244, 5.6, 5, 5, "tree house"},
        {0, Kind::PROP, 21.0527, -3.37733, 1.3, 5, 5, "elder"},
        {0, Kind::SPIRIT, 1.82262, -19.335, 1.5, 5, 5, "ally"},
        {0, Kind::SPIRIT, 22.0452, -28.183, 1.5, 5, 5, "ally"},
        {0, Kind::SPIRIT, 34.0041, -12.9861, 1.5, 5, 5, "ally"},
        {0, Kind::SPIRIT, 25.0854, 17.8598, 1.5, 5, 5, "ally"},
        {0, Kind::SPIRIT, -6.04069, 30.2388, 1.5, 5, 5, "ally"},
        {0, Kind::START, 5.789, -0.786, 1, 5, 5, "hero start"},
        // Island 1.
        {1, Kind::PROP, -124.781, 27.3649, 2.5, 14, 14, "pillar"},
        {1, Kind::PROP, -134.591, 45.3248, 2.5, 14, 14, "pillar"},
        {1, Kind::PROP, -122.653, 57.1262, 2.5, 14, 14, "pillar"},
        {1, Kind::PROP, -105.707, 46.0953, 2.5, 14, 14, "pillar"},
        {1, Kind::PROP, -107.975, 31.4861, 2.5, 14, 14, "pillar"},
        {1, Kind::ITEM, 10, 10, 1, 31, 31, "vial"},
        {1, Kind::SPIRIT, 37.6288, 62.8347, 1.5, 0, 51, "enemy"},
        {1, Kind::SPIRIT, 50.6288, 62.8347, 1.5, 0, 51, "enemy"},
        {1, Kind::SPIRIT, -103.901, 23.8578, 1.5, 0, 51, "enemy"},
        {1, Kind::SPIRIT, -99.8396, -3.82254, 1.5, 0, 51, "enemy"},
        {1, Kind::SPIRIT, 48.8978, -32.0428, 1.5, 0, 51, "enemy"},
        {1, Kind::SPIRIT, 58.3287, 20.1636, 1.5, 0, 51, "enemy"},
        {1, Kind::START, 5.789, -0.786, 1, 0, 51, "hero start"},
        {2, Kind::START, 5.789, -0.786, 1, 0, 51, "hero start"},
        {3, Kind::SPIRIT, 110.865, -5.42128, 1.5, 0, 51, "enemy"},
        {3, Kind::SPIRIT, -48.0823, -46.1021, 1.5, 0, 51, "enemy"},
        {3, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        {4, Kind::PROP, 40.3819, -28.6883, 1.3, 2, 3, "lady of the lake"},
        {4, Kind::SPIRIT, -8.24135, 27.1177, 1.5, 0, 51, "enemy"},
        {4, Kind::START, -96, -16.2075, 1, 23, 51, "hero start"},
        // Island 5, the town.
        {5, Kind::PROP, -38.7849, -119.251, 1.3, 9, 9, "basket"},
        {5, Kind::PROP, -104.079, 8.18734, 1.3, 9, 9, "basket"},
        {5, Kind::PROP, 24.7582, 50.8494, 1.3, 9, 9, "basket"},
        {5, Kind::PROP, 93.5439, -42.3968, 1.3, 15, 15, "basket"},
        {5, Kind::PROP, -30.6861, -12.9859, 1.3, 9, 9, "basket"},
        {5, Kind::PROP, -85.6766, -110.901, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, -76.784, -99.1723, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, -69.23, -90.995, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, -89.9712, -79.2841, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, -99.8404, -91.4562, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, -106.33, -99.8977, 2.5, 9, 9, "pillar"},
        {5, Kind::PROP, 89.7868, -86.2949, 2.5, 39, 39, "small pillar"},
        {5, Kind::PROP, 93.7272, -95.6058, 2.5, 39, 39, "small pillar"},
        {5, Kind::PROP, 88.0183, -106.476, 2.5, 39, 39, "small pillar"},
        {5, Kind::PROP, 76.6199, -114.451, 2.5, 39, 39, "small pillar"},
        {5, Kind::PROP, 60.9061, -109.265, 2.5, 39, 39, "small pillar"},
        {5, Kind::BUILDING, -108.283, -54.0915, 5, 9, 9, "house"},
        {5, Kind::BUILDING, -102.014, 15.124, 5, 9, 9, "house"},
        {5, Kind::BUILDING, -37.041, -10.2256, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 23.2563, -8.25798, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 83.3368, 9.84411, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 99.9522, -16.2639, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 99.0569, -47.2413, 5, 15, 15, "house"},
        {5, Kind::BUILDING, 21.062, -61.6201, 5, 15, 15, "house"},
        {5, Kind::BUILDING, 24.0697, -113.71, 5, 15, 15, "house"},
        {5, Kind::BUILDING, -40.6302, -126.133, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 25.4819, 93.0429, 5, 9, 9, "house"},
        {5, Kind::BUILDING, -64.0316, 35.0373, 5, 9, 9, "house"},
        {5, Kind::BUILDING, 26.7583, 43.9095, 5, 9, 9, "house"},
        {5, Kind::HUT, -94.1191, -23.9714, 5.6, 9, 9, "tree house"},
        {5, Kind::HUT, -21.0015, -121.469, 5.6, 9, 9, "tree house"},
        {5, Kind::HUT, 111.979, 5.45887, 5.6, 9, 9, "tree house"},
        {5, Kind::HUT, -2.32192, 96.5306, 5.6, 9, 9, "tree house"},
        {5, Kind::HUT, -7.79315, -48.172, 5.6, 9, 9, "tree house"},
        {5, Kind::SHOP, 69.7786, -60.5734, 8, 15, 15, "shop"},
        {5, Kind::PROP, 79.5815, -103.572, 1.3, 39, 39, "king"},
        {5, Kind::SPIRIT, -100, -40, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, 10, -1, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, 0, 0, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, -1, -6, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, 10, 10, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, -6, 6, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, 15, -10, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, 10, 15, 1.5, 9, 9, "ally"},
        {5, Kind::SPIRIT, -12, 12, 1.5, 9, 9, "ally"},
        {5, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        // Snow islands.
        {6, Kind::BUILDING, 26.1855, -11.2436, 5, 51, 51, "house"},
        {6, Kind::SPIRIT, -45.2477, 21.7962, 1.5, 0, 51, "enemy"},
        {6, Kind::SPIRIT, 22.3976, 5.46576, 1.5, 0, 51, "enemy"},
        {6, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        {7, Kind::SPOT, 46.6842, 75.092, 8, 13, 13, "cave floor"},
        {7, Kind::ITEM, 47.6171, 70.5469, 1, 13, 14, "gauntlets"},
        {7, Kind::SPIRIT, -39.2775, 49.9705, 1.5, 0, 51, "enemy"},
        {7, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        {8, Kind::BUILDING, 40.4217, -86.1615, 5, 6, 6, "house"},
        {8, Kind::SPIRIT, 40.4298, 44.6554, 1.5, 0, 51, "enemy"},
        {8, Kind::SPIRIT, -23.624, 51.2515, 1.5, 0, 51, "enemy"},
        {8, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        // Lava islands.
        {9, Kind::START, -0.793974, 160.49, 1, 14, 14, "hero start"},
        {9, Kind::ITEM, -40.6063, -58.3563, 1, 24, 25, "ring"},
        {9, Kind::VOLCANO, -119.703, -13.3144, 8, 14, 51, "volcano"},
        {9, Kind::VOLCANO, -0.0441543, -14.5697, 8, 14, 51, "volcano"},
        {9, Kind::VOLCANO, -83.5741, -80.0555, 8, 14, 51, "volcano"},
        {9, Kind::VOLCANO, 165.818, -144.046, 8, 14, 51, "volcano"},
        {9, Kind::VOLCANO, 22.4483, 58.5045, 8, 14, 51, "volcano"},
        {9, Kind::VOLCANO, -18.7939, 150.048, 8, 14, 51, "volcano"},
        {9, Kind::SPIRIT, -85.0126, 70.9948, 1.5, 14, 51, "enemy"},
        {9, Kind::SPIRIT, -110.68, -57.1869, 1.5, 14, 51, "enemy"},
        {9, Kind::SPIRIT, 26.5451, 66.4948, 1.5, 14, 51, "enemy"},
        {9, Kind::SPIRIT, -26.9214, -17.8116, 1.5, 14, 51, "enemy"},
        {9, Kind::SPIRIT, -47.8827, 14.9717, 1.5, 14, 51, "enemy"},
        {9, Kind::SPIRIT, -31.6875, 25.1175, 1.5, 14, 51, "enemy"},
        {10, Kind::START, -8.61068, 25.7749, 1, 15, 15, "hero start"},
        {10, Kind::VOLCANO, -60.0602, -29.5829, 8, 10, 51, "volcano"},
        {10, Kind::VOLCANO, -32.8332, 51.5727, 8, 10, 51, "volcano"},
        {10, Kind::SPIRIT, -52.966, -24.2892, 1.5, 10, 51, "enemy"},
        {10, Kind::SPIRIT, 27.8756, -47.1386, 1.5, 10, 51, "enemy"},
        {10, Kind::SPIRIT, 44.9864, -66.4089, 1.5, 10, 51, "enemy"},
        // The enemy town and the castle.
        {11, Kind::BUILDING, -35.1611, 31, 5, 36, 36, "house"},
        {11, Kind::BUILDING, 104.723, 23.8737, 5, 36, 36, "house"},
        {11, Kind::BUILDING, 56.0235, 86.9811, 5, 36, 36, "house"},
        {11, Kind::BUILDING, -7.02173, 7.1404, 5, 36, 36, "house"},
        {11, Kind::BUILDING, 39.2801, -32.9568, 5, 36, 36, "house"},
        {11, Kind::SHOP, 58.6924, -4.44712, 8, 36, 36, "shop"},
        {11, Kind::BUILDING, 20.2093, -52.4273, 5, 24, 24, "house"},
        {11, Kind::HUT, -6.18213, -76.3092, 5.6, 24, 24, "tree house"},
        {11, Kind::SPIRIT, 17.1502, 6.35876, 1.5, 0, 51, "enemy"},
        {11, Kind::SPIRIT, 47.0777, -19.4491, 1.5, 0, 51, "enemy"},
        {11, Kind::SPIRIT, 77.107, 37.916, 1.5, 0, 51, "enemy"},
        {11, Kind::SPIRIT, 3.54164, -48.8011, 1.5, 0, 51, "enemy"},
        {11, Kind::SPIRIT, -39.2731, -25.0065, 1.5, 0, 51, "enemy"},
        {11, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
        {12, Kind::SPOT, 42.232, -37.0664, 2, 32, 32, "quest point 5"},
        {12, Kind::SPOT, 8, -5, 1, 32, 32, "castle height sample"},
        {12, Kind::SPOT, 14.4376, 47.9318, 1.5, 32, 32, "boss"},
        {12, Kind::SPOT, 9.33125, 74.2513, 1.5, 32, 32, "princess"},
        {12, Kind::START, -96, -16.2075, 1, 0, 51, "hero start"},
    };
    return list;
}

// Textured squares laid on the ground: exactly level under the whole square.
struct GroundPlane {
    int island;
    double x, z, side;
    int level;
};

inline const GroundPlane groundPlanes[] = {
    {0, 4.37692, 1.33774, 50, 5},
    {5, -0.807637, 15.0316, 50, 9},
    {5, -69.6098, -74.6732, 50, 9},
    {5, 74.0437, -96.712, 30, 39},
};

struct QuestSite {
    int island;
    double x, y, z;
};

// Quest points fire when the hero's position comes within 9 of them.
inline const QuestSite questSites[] = {
    {0, 21.0527, 10, -3.37733},
    {5, 78.5978, 44.5306, -103.045},
    {4, 40.3819, 9.70935, -28.6883},
    {12, 42.232, 37.2884, -37.0664},
};

struct Surface {
    int island;
    double level;
    bool lava;
    int dryAtLeast;  // ground outside the outline never lower
    std::vector<Ground> outline;
};

inline const std::vector<Surface>& surfaces() {
    static const std::vector<Surface> list = {
        {1, 2.5, false, 3,
         {{117.529, 31.1964}, {73.4492, -111.898}, {-39.1265, -21.7108}, {-123.838, 97.5372}, {-86.4515, 103.061}}},
        {4, 22.5041, false, 23,
         {{95.0989, 34.6854}, {103.006, -63.2162}, {50.3761, -97.8575}, {-40.8385, -80.3423}, {-75.6107, 6.73603},
          {-23.059, 76.1393}}},
        {7, 7.09621, false, 8,
         {{26.304, 12.7271}, {-34.6558, 31.4388}, {-6.38842, 75.0585}, {37.5246, 76.1369}, {49.4924, 69.4858},
          {48.643, 41.0623}}},
        {8, 2.21376, false, 3,
         {{-98.0604, 4.11275}, {-52.0361, 31.8931}, {5.93933, 47.0324}, {29.908, 46.3635}, {61.5798, 18.4881},
          {58.3164, -22.5402}, {37.6314, -42.834}, {-6.62242, -37.8205}, {-22.1563, -11.2179}, {-28.5233, 3.43136},
          {-48.5226, 3.26732}, {-68.0585, -10.6266}, {-98.6363, -14.0156}}},
        {9, 13.6478, true, 14,
         {{-91.2933, -13.7016}, {-17.876, -1.97357}, {14.2083, -88.6064}, {-87.9196, -111.779}}},
        {10, 8.9974, true, 10,
         {{-93.1213, -44.6579}, {-81.7177, -36.5698}, {-65.9057, -34.602}, {-37.4263, 7.38815}, {17.3791, 26.908},
          {63.9583, -1.75923}, {79.5124, -31.384}, {80.8577, -46.1926}, {54.5708, -61.6642}, {43.8898, -38.0715},
          {1.40816, -23.9549}, {-1.71443, -61.8994}, {-39.3938, -68.2038}, {-59.6064, -59.629}, {-88.2941, -64.9522}}},
    };
    return list;
}

// Island 4's pond on its high plateau, not the one the game tests for wading.
inline const std::vector<Ground> pond4 = {{-40.1972, 34.0069}, {-50.3807, 23.4033}, {-55.1139, 21.8439},
                                          {-63.8857, 22.6566}, {-71.1553, 29.0414}, {-68.4351, 46.0879},
                                          {-42.6342, 49.1016}, {-37.0259, 40.2704}, {-38.4987, 35.6107}};

struct Crest {
    int island;
    Ground start, end;
    // The spray leaves the crest sideways: (-dz, dx) of end - start.
    Ground spray() const {
        double dx = end.x - start.x, dz = end.z - start.z, length = std::hypot(dx, dz);
        return {-dz / length, dx / length};
    }
};

inline const Crest crests[] = {
    {1, {-119.343, 97.4653}, {-93.5454, 101.386}},
    {4, {-41.6366, 33.382}, {-49.1084, 24.9153}},
    {7, {44.8652, 63.098}, {36.1388, 71.3094}},
    {8, {-98.8053, -10.2681}, {-98.6866, 1.20209}},
};

// Invisible walls the hero must not slip under: the ground along them.
struct WallChain {
    int island;
    int lowestGround;
    std::vector<Ground> points;
};

inline const std::vector<WallChain>& wallChains() {
    static const std::vector<WallChain> list = {
        {7, 11,
         {{33.7114, 74.6134}, {40.6036, 81.673}, {47.5723, 81.7457}, {52.6115, 78.4964}, {54.6177, 71.7999},
          {48.3743, 63.5161}}},
        {12, 29,
         {{24.4871, 48.4598}, {24.6225, 23.642}, {22.0216, 24.4601}, {20.9588, 23.2397}, {33.9588, 17.5087},
          {30.4338, 30.9113}, {42.2294, 32.9014}, {59.1364, 59.8368}, {58.0273, 72.7175}, {49.5866, 87.3775},
          {41.3651, 94.6548}, {20.7854, 91.3963}, {13.6722, 99.7323}, {5.04303, 102.087}, {-3.55772, 104.483},
          {-13.3552, 99.3981}, {-17.7823, 65.8456}, {-15.2151, 47.2286}, {-20.1292, 36.2886}, {-17.6793, 30.9669},
          {-4.78977, 30.4137}, {-2.3361, 22.4543}, {-7.6728, 18.1367}, {-6.84919, 16.3073}, {5.41849, 22.4354},
          {2.93311, 42.9244}}},
        {12, 29,
         {{23.5277, 25.4892}, {23.2543, 46.3766}, {25.1762, 49.813}, {28.1715, 55.9394}, {30.292, 68.7259},
          {27.3491, 76.1495}, {20.7608, 82.2674}, {12.1782, 84.9636}, {0.426694, 82.7501}, {-6.2396, 76.7165},
          {-8.93773, 68.1516}, {-8.54963, 58.1592}, {-3.2383, 49.7029}, {3.50757, 44.5129}, {4.38697, 25.5106}}},
    };
    return list;
}

struct Eye {
    double x, y, z;
};

// Camera eyes the ground must stay below: the key frames the cut scenes fly
// through over each island (in order), and the main menu's view of island 0.
struct CameraPath {
    int island;
    std::vector<Eye> eyes;
};

inline const std::vector<CameraPath>& cameraPaths() {
    static const std::vector<CameraPath> list = {
        {0,
         {{-92.4709, 55.175, 93.6993},   {-107.208, 54.325, 77.3152},  {-125.216, 53.0926, 50.9927},
          {-131.129, 52.268, 28.8838},   {-132.986, 52.268, -3.6716},  {-114.266, 49.8893, -41.0049},
          {-88.4081, 47.5658, -66.2777}, {-56.6924, 42.5342, -76.037}, {-32.1719, 38.6051, -75.7617},
          {1.2679, 37.1313, -76.5175},   {22.8506, 37.1313, -70.0751}, {46.6741, 33.8784, -48.6833},
          {49.7277, 28.016, -25.1021},   {45.7986, 23.9413, -13.204},  {43.3927, 21.7798, 0.4834},
          {36.0352, 20.087, 12.7091},    {26.4577, 18.0867, 20.6994},  {17.5247, 17.1117, 22.8157},
          {10.7366, 13.4219, 14.6636},   {5.789, 9.2552, 8.7674}}},
        {0, {{-83.3341, 42.431, 81.1295}}},
        {9,
         {{88.8618, 105.914, -101.393},  {27.6919, 87.4576, -120.586}, {-46.9443, 74.4649, -113.982},
          {-83.3939, 72.0629, -96.5908}, {-93.9301, 70.2821, -74.5718}, {-95.5293, 70.282, -57.7126},
          {-86.3098, 68.0515, -37.5625}, {-71.8031, 61.7574, -27.0825}, {-40.0967, 56.6849, -7.1662},
          {0.2194, 49.8501, 21.3445},    {22.8499, 40.8347, 48.9367},  {37.1024, 30.3227, 100.461},
          {21.7844, 21.6947, 144.066},   {12.8527, 18.1108, 158.265},  {5.5605, 17.7875, 171.094},
          {-0.794, 18.2552, 170.043}}},
        {5,
         {{67.6001, 79.2895, -205.513},  {107.18, 69.9443, -158.783},  {126.135, 64.1596, -108.742},
          {128.687, 64.1605, -25.5852},  {43.636, 55.4578, 41.9595},   {-22.7161, 49.6251, 58.4863},
          {-80.033, 44.3185, 36.8278},   {-106.93, 44.3191, -8.4098},  {-108.374, 44.3195, -55.1732},
          {-101.036, 44.3197, -83.2295}, {-96.5321, 44.3199, -97.5102}, {-89.6303, 19.9413, -94.9063},
          {-104.15, 11.1988, -110.72}}},
        {12,
         {{150.693, 230.478, -148.656}, {199.872, 220.957, -58.3658}, {199.872, 220.957, -58.3658},
          {178.987, 197.976, 7.9412},   {159.149, 190.558, 75.2461},  {119.218, 192.626, 143.009},
          {51.9424, 181.398, 178.584},  {22.9097, 159.735, 149.777},  {16.8551, 143.801, 99.7206},
          {10.1706, 135.705, 69.7892},  {17.4633, 119.596, 27.5442},  {-6.6626, 95.1241, -29.617},
          {-6.8658, 81.3042, -60.4047}, {6.9508, 71.828, -88.2223},   {29.3269, 58.7386, -115.74},
          {53.7083, 44.2993, -119.109}}},
    };
    return list;
}

#endif
