// The thirteen islands, each shaped round what the game places on it: level
// ground under gates, buildings and spirits, lakes and lava low only inside
// their outlines, and routes of one-unit steps the hero can climb by jumping.
#include <algorithm>
#include <cmath>

#include "TerrainIslands.h"

namespace {

// Rolling hills in whole terraces of `step` levels about `base`.
int hills(double x, double z, uint32_t seed, double base, double amplitude, double scale, int step) {
    double n = fractalNoise(x / scale, z / scale, seed, 4);
    return step * (int)std::floor((base + 1.6 * n * amplitude) / step + 0.5);
}

// 1 at the coast, falling to 0 `width` inland: a raised rim seen from outside.
double rim(double coast, double width) { return std::clamp((width - coast) / width, 0.0, 1.0); }

Spot unitNormal(Spot a, Spot b) {
    // The crest's side direction: the waterfall's spray leaves along it.
    double dx = b.x - a.x, dz = b.z - a.z, length = std::hypot(dx, dz);
    return {dz / length, -dx / length};
}

Spot along(Spot from, Spot direction, double distance) {
    return {from.x + distance * direction.x, from.z + distance * direction.z};
}

void designHome(TerrainDesign& d) {
    IslandBuilder b(d, 200, TerrainWorld::GRASS, 1000);
    b.shape(roughen(ellipse({-5, 3}, 93, 91), 7, 30, b.seed(1)), [&](double x, double z, double coast) {
        double width = 16 + 22 * (0.5 + 0.5 * fractalNoise(x / 40, z / 40, b.seed(2), 2));
        double height = 6 + 22 * (0.5 + 0.5 * fractalNoise(x / 24, z / 24, b.seed(3), 3));
        return 5 + 2 * (int)std::floor(rim(coast, width) * height / 2);
    });
    // The village lies in a hollow ringed by hills; gate 0 stands on a hill
    // above it, eight steps up from the north.
    b.ground(roughen(disc({-8, 5}, 62), 8, 22, b.seed(4)), 5);
    Region gateHill = roughen(disc({-48, 43}, 15), 3, 9, b.seed(5));
    b.ground(gateHill, 13);
    b.embank(gateHill, 13, 2.0, 7);
    b.walk({5.789, -0.786}, {-39, -7}, 8, 5);
    b.route(box(-21.62, -24.66, 30.38, 27.34), 5);  // the dirt patch
    b.flight({-39, 33}, 13, {-39, -3}, 5, 10);
    b.gate({-46.45, 40.07}, 13);
    b.pad({-40.2506, -14.5415}, 5, 5, 7);  // statue
    for (Spot basket : {Spot{13.4653, 40.6323}, {14.687, -18.0618}, {-4.25816, -39.0336}, {-59.7567, -24.436},
                        {-62.3351, -26.2001}})
        b.pad(basket, 3, 5, 5);
    b.shop({-13.869, 46.4609}, 5);
    for (Spot house : {Spot{47.5187, -18.51244}, {-11.5823, -38.9093}, {-65.9037, -20.0365}, {-25.5464, 5.99387},
                       {43.1831, 18.0338}, {20.6555, 39.9208}})
        b.house(house, 5);
    b.treeHouse({15.8526, -11.7244}, 5);
    b.pad({21.0527, -3.37733}, 6, 5, 8);  // the elder and quest point 0
    for (Spot ally : {Spot{1.82262, -19.335}, {22.0452, -28.183}, {34.0041, -12.9861}, {25.0854, 17.8598},
                      {-6.04069, 30.2388}})
        b.spirit(ally, 5);
    b.spirit({5.789, -0.786}, 5);
    b.mounds(disc({-8, 5}, 70), 3, 12, 1, 6);
    // Cut scene 1 sweeps low round the east of the village.
    b.skyPath({{{-88.4081, -66.2777}, 47.5658}, {{-56.6924, -76.037}, 42.5342}, {{-32.1719, -75.7617}, 38.6051},
               {{1.2679, -76.5175}, 37.1313},   {{22.8506, -70.0751}, 37.1313}, {{46.6741, -48.6833}, 33.8784},
               {{49.7277, -25.1021}, 28.016},   {{45.7986, -13.204}, 23.9413},  {{43.3927, 0.4834}, 21.7798},
               {{36.0352, 12.7091}, 20.087},    {{26.4577, 20.6994}, 18.0867},  {{17.5247, 22.8157}, 17.1117},
               {{10.7366, 14.6636}, 13.4219},   {{5.789, 8.7674}, 9.2552}},
              4);
    b.plants(40, 140, 220);
    d.canvas.finish();
}

const std::vector<Spot> lake1 = {
    {117.529, 31.1964}, {73.4492, -111.898}, {-39.1265, -21.7108}, {-123.838, 97.5372}, {-86.4515, 103.061}};

void designIsland1(TerrainDesign& d) {
    d.hasMoney = true;
    IslandBuilder b(d, 300, TerrainWorld::GRASS, 1100);
    // A firm shore round the waterfall's pool in the south-west.
    b.shape(unite({roughen(unite({ellipse({-5, 0}, 142, 136), disc({-118, 45}, 34)}), 8, 34, b.seed(1)),
                   disc({-106, 90}, 17)}),
            [&](double x, double z, double coast) {
                return std::max(4, hills(x, z, b.seed(2), 15 + 10 * rim(coast, 26), 9, 40, 3));
            });
    b.lake(lake1, 2.5, false, 10, [](double inside) { return std::max(0, 2 - (int)(inside / 8)); });
    // West: the stone circle and gate 1 at 14; north-west a terrace at 23.
    b.ground(roughen(polygon({{-150, 2}, {-64, 2}, {-60, 40}, {-66, 70}, {-60, 92}, {-60, 118}, {-150, 118}}), 11, 26,
                     b.seed(3)),
             14);
    b.ground(roughen(polygon({{-146, -70}, {-58, -70}, {-54, -28}, {-70, 4}, {-146, 4}}), 10, 22, b.seed(4)), 23);
    // North: a ridge at 30 that climbs on to the east plateau at 36.
    Region ridge = roughen(
        polygon({{-32, -48}, {-28, -28}, {20, -40}, {60, -50}, {82, -54}, {84, -86}, {40, -100}, {-32, -76}}), 7, 20,
        b.seed(6));
    Region east = roughen(polygon({{94, -92}, {140, -92}, {142, 52}, {96, 52}}), 9, 22, b.seed(7));
    b.route(ridge, 30, 0);
    b.route(east, 36, 0);
    b.embank(ridge, 30, 1.3, 10);
    b.embank(east, 36, 1.4, 11);
    // The vial's hill rises from the lake, joined to the ridge by a causeway.
    b.canvas().paint(disc({10, 10}, 36), [&](double x, double z, int current) {
        double r = std::hypot(x - 10, z - 10) + 3 * fractalNoise(x / 9, z / 9, b.seed(8), 2);
        int slope = 31 - 3 * (int)std::ceil(std::max(0.0, r - 12) / 3);
        return std::max(current, slope);
    });
    b.route(roughen(band({10, -52}, {10, 0}, 14), 1.5, 8, b.seed(9)), 30);
    b.route(disc({10, 10}, 12), 31);
    b.walk({-76, 98}, {-88, 46}, 10, 14);
    b.walk({-88, -10}, {-68, -36}, 10, 23);
    b.walk({104, -68}, {111.35, -44}, 10, 36);
    b.walk({111.35, -44}, {114.5, 27}, 10, 36);
    b.flight({-88, 40}, 14, {-88, -4}, 23, 10);
    b.flight({-62, -36}, 23, {-26, -36}, 30, 10);
    b.flight({68, -68}, 30, {98, -68}, 36, 10);
    for (Spot end : {Spot{-88, 46}, {-88, -10}, {-68, -36}, {-20, -36}, {62, -68}, {104, -68}})
        b.pad(end, 7, end.x < -80 && end.z > 0 ? 14 : end.x < -60 ? 23 : end.x < 90 ? 30 : 36, 3);
    b.coinLine({10, -40}, {10, -4}, 7);
    b.coinLine({-130, 60}, {-80, 90}, 8);
    b.coinLine({-30, -60}, {70, -75}, 9);
    b.coinLine({105, -30}, {110, 15}, 8);
    b.pad({10, 10}, 4, 31, 6);  // the vial
    b.gate({-76.1762, 101.752}, 14);
    b.gate({111.35, -47.1129}, 36);
    b.gate({114.494, 30.2315}, 36);
    for (Spot pillar : {Spot{-124.781, 27.3649}, {-134.591, 45.3248}, {-122.653, 57.1262}, {-105.707, 46.0953},
                        {-107.975, 31.4861}})
        b.pad(pillar, 4, 14, 6);
    b.spirit({37.6288, 62.8347}, 27);
    b.spirit({50.6288, 62.8347}, 19);
    b.spirit({-103.901, 23.8578}, 14);
    b.spirit({-99.8396, -3.82254}, 23);
    b.spirit({48.8978, -32.0428}, 4);
    b.spirit({58.3287, 20.1636}, 2);
    b.spirit({5.789, -0.786}, 31);
    // The lake spills over the south-west edge where the waterfall's crest runs.
    b.ground(intersect(polygon({{-123, 96.8}, {-92, 101.5}, {-89.5, 90}, {-104, 80}, {-118, 84}}),
                       grow(polygon(lake1), -0.2)),
             1);
    Spot crestA{-119.343, 97.4653}, crestB{-93.5454, 101.386};
    Spot off = unitNormal(crestB, crestA);  // towards +z, off the island
    b.canvas().carve(intersect(beyond(along(crestA, off, 0.3), off), box(-150, 88, -89, 150)));
    b.keepClear(disc({-106, 96}, 16));
    b.mounds(box(-150, -150, 150, 150), 4, 18, 2, 5);
    b.plants(55, 150, 260);
    d.canvas.finish();
}

void designIsland2(TerrainDesign& d) {
    IslandBuilder b(d, 200, TerrainWorld::GRASS, 1200);
    b.shape(roughen(unite({superellipse({-5, -3}, 94, 94, 2.6), disc({-76, -82}, 22)}), 6, 28, b.seed(1)),
            [&](double x, double z, double coast) {
                return std::max(8, hills(x, z, b.seed(2), 18 + 10 * rim(coast, 20), 9, 30, 3));
            });
    // North-west plateau (gate 3) down two flights to the lowland (gate 8),
    // then up to the south-east plateau (gate 6).
    Region northWest = roughen(polygon({{-100, -100}, {-48, -100}, {-46, -66}, {-60, -48}, {-100, -48}}), 8, 18, b.seed(3));
    Region southEast = roughen(polygon({{30, 26}, {82, 22}, {92, 60}, {76, 98}, {30, 98}}), 9, 20, b.seed(5));
    b.ground(northWest, 27);
    b.ground(roughen(polygon({{-100, 4}, {-12, 2}, {-8, 48}, {-40, 72}, {-100, 64}}), 10, 22, b.seed(4)), 7);
    b.ground(southEast, 20);
    b.embank(northWest, 27, 1.5, 7);
    b.embank(southEast, 20, 1.5, 8);
    b.landing(box(-92, -14, -62, 2), 17);
    b.walk({-76, -84}, {-85, -56}, 10, 27);
    b.walk({-16, -5}, {-76, 26}, 10, 7);
    b.walk({-76, 26}, {-26, 38}, 10, 7);
    b.walk({42, 38}, {48.8, 72}, 10, 20);
    b.flight({-85, -52}, 27, {-85, -8}, 17, 10);
    b.flight({-66, -5}, 17, {-22, -5}, 7, 10);
    b.flight({-20, 38}, 7, {36, 38}, 20, 10);
    b.pad({-85, -56}, 7, 27, 3);
    b.pad({-16, -5}, 7, 7, 3);
    b.pad({-26, 38}, 7, 7, 3);
    b.pad({42, 38}, 7, 20, 3);
    b.gate({-76.0768, -86.3743}, 27);
    b.gate({48.8406, 75.9135}, 20);
    b.gate({-78.2282, 28.2846}, 7);
    b.spirit({5.789, -0.786}, b.levelAt({5.789, -0.786}));
    b.mounds(box(-100, -100, 100, 100), 4, 18, 2, 6);
    b.plants(38, 120, 200);
    d.canvas.finish();
}

void designIsland3(TerrainDesign& d) {
    d.hasMoney = true;
    IslandBuilder b(d, 300, TerrainWorld::GRASS, 1300);
    // High in the west, falling towards the east.
    b.shape(roughen(superellipse({0, 0}, 145, 140, 2.4), 8, 36, b.seed(1)), [&](double x, double z, double) {
        double base = 44 - 26 * std::clamp((x + 20) / 160, 0.0, 1.0);
        return hills(x, z, b.seed(2), base, 7, 34, 3);
    });
    Region plateau = roughen(polygon({{-150, -96}, {-20, -96}, {-14, 0}, {-18, 64}, {-150, 68}}), 12, 26, b.seed(3));
    b.ground(plateau, 50);
    b.embank(plateau, 50, 1.2, 7);
    b.ground(roughen(disc({-48.0823, -46.1021}, 13), 3, 8, b.seed(4)), 51);
    b.ground(roughen(polygon({{84, -74}, {150, -74}, {150, 84}, {84, 84}}), 11, 24, b.seed(5)), 19);
    b.walk({-66, 8}, {-30, -10}, 10, 50);
    b.walk({96, 50}, {110.9, -5.4}, 10, 19);
    b.pad({30, -10}, 10, 40, 3);
    b.pad({30, 50}, 10, 30, 3);
    b.flight({-24, -10}, 50, {22, -10}, 40, 12);
    b.flight({30, -2}, 40, {30, 42}, 30, 12);
    b.flight({38, 50}, 30, {90, 50}, 19, 12);
    b.pad({-30, -10}, 7, 50, 3);
    b.pad({96, 50}, 7, 19, 3);
    b.gate({-66.3137, 11.7492}, 50);
    b.spirit({110.865, -5.42128}, 19);
    b.spirit({-48.0823, -46.1021}, 51);
    b.spirit({-96, -16.2075}, 50);
    b.coinLine({-120, -60}, {-40, 30}, 9);
    b.coinLine({95, -50}, {130, 60}, 9);
    b.mounds(box(-150, -150, 150, 150), 5, 22, 3, 6);
    b.plants(50, 150, 250);
    d.canvas.finish();
}

const std::vector<Spot> lake4 = {{95.0989, 34.6854},   {103.006, -63.2162}, {50.3761, -97.8575},
                                 {-40.8385, -80.3423}, {-75.6107, 6.73603}, {-23.059, 76.1393}};
const std::vector<Spot> pond4 = {{-40.1972, 34.0069}, {-50.3807, 23.4033}, {-55.1139, 21.8439},
                                 {-63.8857, 22.6566}, {-71.1553, 29.0414}, {-68.4351, 46.0879},
                                 {-42.6342, 49.1016}, {-37.0259, 40.2704}, {-38.4987, 35.6107}};

void designIsland4(TerrainDesign& d) {
    IslandBuilder b(d, 250, TerrainWorld::GRASS, 1400);
    b.shape(roughen(superellipse({0, 0}, 121, 121, 3.0), 5, 30, b.seed(1)), [&](double x, double z, double coast) {
        return std::max(23, hills(x, z, b.seed(2), 27 + 8 * rim(coast, 20), 7, 30, 3));
    });
    // The lake's floor falls in ragged terraces to 3 by the lady.
    b.lake(lake4, 22.5041, false, 11, [](double inside) { return std::max(3, 22 - (int)(inside / 2.0)); });
    // The south-west plateau at 51 holds the pond; the pond spills over the
    // waterfall's crest, where the plateau ends in a cliff above the lake.
    Spot crestA{-41.6366, 33.382}, crestB{-49.1084, 24.9153};
    Spot spray = unitNormal(crestB, crestA);
    Spot crestDirection{(crestA.x - crestB.x) / 11.29, (crestA.z - crestB.z) / 11.29};
    Region lipCut = intersect(beyond(along(crestA, spray, 1.2), spray),
                              band(along(crestA, crestDirection, 3), along(crestB, crestDirection, -3), 60));
    Region plateau = subtract(roughen(polygon({{-104, 12}, {-52, 12}, {-28, 28}, {-28, 46}, {-36, 96}, {-36, 114},
                                               {-104, 114}}),
                                      4, 16, b.seed(3)),
                              lipCut);
    b.ground(plateau, 51);
    b.embank(plateau, 51, 1.5, 6);
    b.ground(intersect(disc(along({-45.4, 29.1}, spray, 9), 8), grow(polygon(lake4), -1)), 17);
    b.ground(intersect(grow(polygon(pond4), 2.5), plateau), 49);
    b.lake(pond4, 48.5808, false, 0.5, [](double inside) { return inside < 2 ? 47 : inside < 5 ? 46 : 45; });
    // Down from the plateau to the shore, and down under the water to the lady.
    b.ground(roughen(polygon({{28, 48}, {60, 42}, {86, 58}, {86, 114}, {38, 114}, {28, 80}}), 8, 18, b.seed(5)), 23);
    b.walk({-69, 66}, {-46, 105}, 10, 51);
    b.walk({82, 105}, {56, 55}, 10, 23);
    b.pad({40.3819, -28.6883}, 10, 3, 12);  // the lady of the lake
    b.walk({40.3819, -28.6883}, {56, -32}, 10, 3);
    b.flight({-40, 105}, 51, {76, 105}, 23, 12);
    b.flight({56, 50}, 23, {56, -34}, 3, 12);
    b.pad({-46, 105}, 7, 51, 3);
    b.pad({82, 105}, 7, 23, 3);
    b.pad({56, 55}, 7, 23, 3);
    b.gate({-69.2856, 68.1097}, 51);
    b.spirit({-8.24135, 27.1177}, 15);
    b.spirit({-96, -16.2075}, 26);
    b.mounds(box(-125, -125, 125, 125), 3, 14, 2, 4);
    b.plants(42, 120, 220);
    d.canvas.finish();
}

void designIsland5(TerrainDesign& d) {
    IslandBuilder b(d, 317, TerrainWorld::GRASS, 1500);
    b.shape(roughen(superellipse({0, -8}, 153, 152, 3.2), 6, 36, b.seed(1)), [&](double x, double z, double coast) {
        double n = 0.5 + 0.5 * fractalNoise(x / 26, z / 26, b.seed(2), 3);
        return 9 + 3 * (int)std::floor(rim(coast, 30) * (6 + 20 * n) / 3);
    });
    b.ground(roughen(disc({70, 86}, 15), 5, 8, b.seed(3)), 13);
    b.ground(roughen(disc({-112, 62}, 14), 5, 8, b.seed(4)), 12);
    // The upper town at 15 and the king's plateau at 39 above it, one long
    // stair from the town's square to the top.
    b.ground(roughen(polygon({{10, -140}, {130, -140}, {132, -35}, {60, -35}, {54, -30}, {40, -30}, {10, -35}}), 7, 20,
                     b.seed(5)),
             15);
    b.route(roughen(polygon({{54, -124}, {101, -124}, {101, -77}, {54, -77}}), 3, 12, b.seed(6)), 39, 0);
    b.landing(box(40, -136, 60, -120), 39);
    b.route(box(58, -112.7, 90, -80.7), 39);  // the cobblestones
    b.ground(roughen(disc({106, 50}, 15), 3, 10, b.seed(7)), 16);
    b.ground(roughen(disc({-54, 92}, 15), 3, 10, b.seed(8)), 16);
    b.walk({58, -33}, {69.8, -52}, 10, 15);
    b.walk({-98, -106}, {47, 0}, 10, 9);
    b.walk({47, 0}, {54, 47}, 10, 9);
    b.walk({-41, 48}, {47, 0}, 10, 9);
    b.flight({47, -5}, 9, {47, -129}, 39, 14);
    b.flight({92, 47}, 16, {60, 47}, 9, 10);
    b.flight({-41, 86}, 16, {-41, 54}, 9, 10);
    b.pad({47, 0}, 6, 9, 3);
    b.landing(disc({36, -33}, 5), 15);
    b.landing(disc({58, -33}, 5), 15);
    b.pad({54, 47}, 6, 9, 3);
    b.pad({-41, 48}, 6, 9, 3);
    b.gate({103.132, 48.6212}, 16);
    b.gate({-51.6445, 89.2743}, 16);
    b.gate({-104.47, -110.409}, 9);
    for (Spot basket : {Spot{-38.7849, -119.251}, {-104.079, 8.18734}, {24.7582, 50.8494}, {-30.6861, -12.9859}})
        b.pad(basket, 3, 9, 5);
    b.pad({93.5439, -42.3968}, 3, 15, 5);
    for (Spot pillar : {Spot{-85.6766, -110.901}, {-76.784, -99.1723}, {-69.23, -90.995}, {-89.9712, -79.2841},
                        {-99.8404, -91.4562}, {-106.33, -99.8977}})
        b.pad(pillar, 4, 9, 6);
    for (Spot pillar : {Spot{89.7868, -86.2949}, {93.7272, -95.6058}, {88.0183, -106.476}, {76.6199, -114.451},
                        {60.9061, -109.265}})
        b.pad(pillar, 4, 39, 6);
    for (Spot house : {Spot{-108.283, -54.0915}, {-102.014, 15.124}, {-37.041, -10.2256}, {23.2563, -8.25798},
                       {83.3368, 9.84411}, {99.9522, -16.2639}, {-40.6302, -126.133}, {25.4819, 93.0429},
                       {-64.0316, 35.0373}, {26.7583, 43.9095}})
        b.house(house, 9);
    for (Spot house : {Spot{99.0569, -47.2413}, {21.062, -61.6201}, {24.0697, -113.71}}) b.house(house, 15);
    for (Spot treeHouse : {Spot{-94.1191, -23.9714}, {-21.0015, -121.469}, {111.979, 5.45887}, {-2.32192, 96.5306},
                           {-7.79315, -48.172}})
        b.treeHouse(treeHouse, 9);
    b.route(box(-26.8, -11.0, 25.2, 41.0), 9);  // dirt patches
    b.route(box(-95.6, -100.7, -43.6, -48.7), 9);
    b.shop({69.7786, -60.5734}, 15);
    b.pad({79.5815, -103.572}, 4, 39, 8);  // the king
    for (Spot ally : {Spot{-100, -40}, {10, -1}, {0, 0}, {-1, -6}, {10, 10}, {-6, 6}, {15, -10}, {10, 15}, {-12, 12}})
        b.spirit(ally, 9);
    b.spirit({-96, -16.2075}, 9);
    b.mounds(box(-160, -160, 160, 160), 4, 16, 1, 9);
    // Cut scene 3 ends low over gate 7.
    b.skyPath({{{43.636, 41.9595}, 55.4578},
               {{-22.7161, 58.4863}, 49.6251},
               {{-80.033, 36.8278}, 44.3185},
               {{-106.93, -8.4098}, 44.3191},
               {{-108.374, -55.1732}, 44.3195},
               {{-101.036, -83.2295}, 44.3197},
               {{-96.5321, -97.5102}, 44.3199},
               {{-89.6303, -94.9063}, 19.9413},
               {{-104.15, -110.72}, 11.1988}},
              4);
    b.plants(55, 160, 260);
    d.canvas.finish();
}

void designIsland6(TerrainDesign& d) {
    IslandBuilder b(d, 252, TerrainWorld::SNOW, 1600);
    Spot summit{24, -4};
    b.shape(roughen(ellipse({-5, 0}, 122, 118), 7, 30, b.seed(1)), [&](double x, double z, double) {
        double r = std::hypot(x - summit.x, z - summit.z) + 5 * fractalNoise(x / 16, z / 16, b.seed(8), 2);
        int cone = 51 - 3 * (int)std::ceil(std::max(0.0, r - 16) * 0.7 / 3);
        return std::max(cone, hills(x, z, b.seed(2), 26, 9, 30, 3));
    });
    // A terrace at 30 round the south and east of the mountain, gate 12's
    // shelf one step above it, and the west plateau five steps below.
    b.ground(roughen(polygon({{-10, -118}, {72, -118}, {76, -70}, {-10, -70}}), 8, 18, b.seed(4)), 31);
    Region west = roughen(polygon({{-122, -12}, {-70, -12}, {-62, 30}, {-48, 50}, {-46, 74}, {-122, 74}}), 8, 18, b.seed(5));
    b.ground(west, 25);
    b.embank(west, 25, 1.5, 11);
    b.ground(roughen(disc({-45.2477, 21.7962}, 13), 3, 8, b.seed(6)), 16);
    Region ring = subtract(subtract(disc(summit, 82), disc(summit, 44)), box(-130, -130, 8, -16));
    b.route(roughen(ring, 5, 16, b.seed(3)), 30, 0);
    b.route(roughen(disc(summit, 16), 2, 8, b.seed(7)), 51, 0);
    b.landing(box(50, -74, 80, -40), 30);
    b.walk({-56, 60}, {-94, 24}, 10, 25);
    b.walk({65, -76}, {34, -88}, 10, 31);
    b.flight({-20, 60}, 30, {-50, 60}, 25, 10);
    b.pad({-14, 60}, 7, 30, 3);
    b.pad({-56, 60}, 7, 25, 3);
    b.gate({68.8748, 50.042}, 30);
    b.gate({34.1666, -90.4244}, 31);
    b.gate({-97.0094, 21.5497}, 25);
    b.house({26.1855, -11.2436}, 51);
    b.spirit({-45.2477, 21.7962}, 16);
    b.spirit({22.3976, 5.46576}, 51);
    b.spirit({-96, -16.2075}, 25);
    b.mounds(subtract(box(-130, -130, 130, 130), disc(summit, 90)), 4, 18, 3, 9);
    b.plants(36, 60, 200);
    d.canvas.finish();
}

const std::vector<Spot> lake7 = {{26.304, 12.7271}, {-34.6558, 31.4388}, {-6.38842, 75.0585},
                                 {37.5246, 76.1369}, {49.4924, 69.4858}, {48.643, 41.0623}};

void designIsland7(TerrainDesign& d) {
    IslandBuilder b(d, 200, TerrainWorld::SNOW, 1700);
    // The coast bulges west to the map's edge, where heroes sent by the
    // island keys land.
    b.shape(unite({roughen(superellipse({0, 2}, 94, 94, 3.0), 5, 28, b.seed(1)), disc({-82, -16.2}, 18)}),
            [&](double x, double z, double coast) {
                return std::max(8, hills(x, z, b.seed(2), 18 + 8 * rim(coast, 16), 8, 26, 3));
            });
    b.lake(lake7, 7.09621, false, 6, [](double inside) { return std::max(2, 6 - (int)(inside / 3)); });
    Spot cave{46.6842, 75.092};
    Spot crestA{44.8652, 63.098}, crestB{36.1388, 71.3094};
    Spot spray = unitNormal(crestB, crestA);  // out of the cave mouth, over the lake
    // The waterfall falls from the cave roof into the lake in front of the mouth.
    b.ground(intersect(disc(along({40.5, 67.2}, spray, 8), 10), grow(polygon(lake7), -0.5)), 5);
    // The rock the cave is cut into rises behind it to the waterfall's lip.
    b.canvas().paint(intersect(disc(cave, 34), beyond(cave, {-spray.x, -spray.z})), [&](double x, double z, int current) {
        double r = std::hypot(x - cave.x, z - cave.z);
        return std::max(current, std::min(31, 13 + 3 * (int)std::ceil(std::max(0.0, r - 13) / 2.0)));
    });
    b.route(subtract(disc(cave, 15), beyond(along(crestA, spray, 1.0), spray)), 13, 0);
    // Gate 13's plateau in the north, two flights down the east side, and a
    // ledge along the lake to the cave mouth.
    Region north = roughen(polygon({{-64, -98}, {16, -98}, {16, -34}, {-64, -42}}), 8, 18, b.seed(3));
    b.ground(north, 39);
    b.embank(north, 39, 1.4, 6);
    b.ground(roughen(disc({-39.2775, 49.9705}, 10), 2, 6, b.seed(4)), 20);
    b.walk({-29.6, -62}, {-9, -44}, 10, 39);
    b.pad({62, -44}, 9, 26, 3);
    b.landing(box(55, 16, 69, 58), 13);
    b.landing(band({61, 52}, {48.5, 62.5}, 10), 13);
    b.flight({53, -44}, 26, {-3, -44}, 39, 12);
    b.flight({62, -36}, 26, {62, 20}, 13, 12);
    b.pad({-9, -44}, 7, 39, 3);
    b.gate({-29.5897, -64.6028}, 39);
    b.spirit({-39.2775, 49.9705}, 20);
    b.pad({47.6171, 70.5469}, 3, 13, 5);  // gauntlets
    b.keepClear(disc(cave, 18));
    b.spirit({-96, -16.2075}, b.levelAt({-96, -16.2075}));
    b.mounds(box(-100, -100, 100, 100), 4, 16, 3, 5);
    b.plants(32, 50, 180);
    d.canvas.finish();
}

const std::vector<Spot> lake8 = {{-98.0604, 4.11275}, {-52.0361, 31.8931}, {5.93933, 47.0324},   {29.908, 46.3635},
                                 {61.5798, 18.4881},  {58.3164, -22.5402}, {37.6314, -42.834},   {-6.62242, -37.8205},
                                 {-22.1563, -11.2179}, {-28.5233, 3.43136}, {-48.5226, 3.26732}, {-68.0585, -10.6266},
                                 {-98.6363, -14.0156}};

void designIsland8(TerrainDesign& d) {
    IslandBuilder b(d, 281, TerrainWorld::SNOW, 1800);
    // The west coast runs past the lake's end, where it spills over the edge.
    b.shape(roughen(unite({superellipse({14, 5}, 124, 132, 2.6), disc({82, 116}, 24)}), 6, 32, b.seed(1)),
            [&](double x, double z, double coast) {
                return std::max(3, hills(x, z, b.seed(2), 14 + 14 * rim(coast, 24), 9, 32, 3));
            });
    b.lake(lake8, 2.21376, false, 6, [](double inside) { return std::max(0, 2 - (int)(inside / 5)); });
    // A ridge at 47 from gate 17 round the north and down the east side,
    // rising four steps to gate 20.
    Region northWest = roughen(polygon({{-110, -98}, {-26, -98}, {-24, -38}, {-110, -34}}), 8, 18, b.seed(3));
    Region ridge = roughen(unite({band({-30, -62}, {20, -58}, 18), band({20, -58}, {70, -64}, 18),
                                  band({70, -64}, {102, -48}, 18), disc({102, -48}, 9), band({102, -40}, {102, 108}, 18)}),
                           3, 10, b.seed(4));
    b.ground(northWest, 47);
    b.ground(roughen(disc({84, 116}, 16), 3, 8, b.seed(5)), 51);
    b.route(roughen(disc({40.4217, -88}, 14), 3, 8, b.seed(6)), 6, 0);
    b.route(roughen(disc({40.4298, 44.6554}, 9), 2, 6, b.seed(7)), 17, 0);
    b.route(ridge, 47, 0);
    b.embank(unite({ridge, northWest}), 47, 1.2, 9);
    b.walk({-59, -53}, {-30, -62}, 10, 47);
    b.flight({102, -40}, 47, {102, 108}, 51, 18);
    b.gate({-58.9407, -55.9879}, 47);
    b.gate({81.8328, 120.598}, 51);
    b.house({40.4217, -86.1615}, 6);
    b.spirit({40.4298, 44.6554}, 17);
    b.spirit({-23.624, 51.2515}, 7);
    // The lake spills over the west edge along the waterfall's crest.
    b.ground(intersect(box(-99, -13, -86, 3.5), polygon(lake8)), 1);
    b.canvas().carve(roughen(box(-141, -15, -98.9, 5), 1.5, 6, b.seed(8)));
    b.canvas().carve(box(-141, -12, -98.9, 3));
    b.pad({-96, -16.2075}, 3, 4, 5);
    b.keepClear(box(-141, -30, -80, 20));
    b.mounds(box(-140, -140, 140, 140), 4, 20, 3, 8);
    b.plants(38, 60, 200);
    d.canvas.finish();
}

const std::vector<Spot> lava9 = {{-91.2933, -13.7016}, {-17.876, -1.97357}, {14.2083, -88.6064}, {-87.9196, -111.779}};

void designIsland9(TerrainDesign& d) {
    IslandBuilder b(d, 381, TerrainWorld::LAVA, 1900);
    b.shape(roughen(unite({superellipse({0, 0}, 186, 186, 3.2), disc({160, -140}, 28)}), 7, 45, b.seed(1)),
            [&](double x, double z, double coast) {
                return std::max(15, hills(x, z, b.seed(2), 24 + 8 * rim(coast, 24), 10, 40, 3));
            });
    b.lake(lava9, 13.6478, true, 8, [](double inside) { return std::max(7, 12 - (int)(inside / 6)); });
    // A valley runs from the arrival in the south to the lava lake.
    b.ground(roughen(unite({band({10, 146}, {28, 100}, 34), band({28, 100}, {25, 50}, 34), band({25, 50}, {10, 0}, 34),
                            band({10, 0}, {6, -47}, 34)}),
                     8, 18, b.seed(3)),
             14);
    b.ground(roughen(box(-46, 130, 46, 178), 8, 18, b.seed(4)), 14);
    b.route(roughen(box(-51, -69, -30, -41), 2, 8, b.seed(5)), 25, 0);
    b.ground(roughen(disc({-26.9214, -17.8116}, 8), 2, 6, b.seed(6)), 47);
    b.ground(roughen(disc({-83.5741, -80.0555}, 11), 2, 7, b.seed(7)), 20);
    b.ground(roughen(polygon({{-62, 4}, {-22, 4}, {-20, 36}, {-60, 34}}), 5, 12, b.seed(8)), 38);
    b.walk({-13, 162}, {10, 146}, 12, 14);
    b.walk({10, 146}, {28, 100}, 12, 14);
    b.walk({28, 100}, {25, 50}, 12, 14);
    b.walk({25, 50}, {10, 0}, 12, 14);
    b.walk({10, 0}, {20, -47}, 12, 14);
    // A causeway climbs eleven steps over the lava to the ring's rock.
    b.flight({14, -47}, 14, {-34, -47}, 25, 12);
    b.pad({20, -47}, 7, 14, 3);
    b.pad({-40.6063, -58.3563}, 4, 25, 6);  // the ring
    b.gate({-14.9919, 168.105}, 14);
    b.spirit({-0.793974, 160.49}, 14);
    b.volcano({-119.703, -13.3144}, 22);
    b.volcano({-0.0441543, -14.5697}, 14);
    b.volcano({-83.5741, -80.0555}, 20);
    b.volcano({165.818, -144.046}, 26);
    b.volcano({22.4483, 58.5045}, 14);
    b.volcano({-18.7939, 150.048}, 14);
    b.spirit({-85.0126, 70.9948}, 21);
    b.spirit({-110.68, -57.1869}, 41);
    // This one stands high on a crag beside the valley's volcano.
    b.pad({26.5451, 66.4948}, 1.6, 30, 6);
    b.spirit({-26.9214, -17.8116}, 47);
    b.spirit({-47.8827, 14.9717}, 38);
    b.spirit({-31.6875, 25.1175}, 38);
    b.mounds(box(-190, -190, 190, 190), 5, 24, 3, 9);
    // Cut scene 2 flies in low over the valley to the arrival.
    b.skyPath({{{0.2194, 21.3445}, 49.8501},
               {{22.8499, 48.9367}, 40.8347},
               {{37.1024, 100.461}, 30.3227},
               {{21.7844, 144.066}, 21.6947},
               {{12.8527, 158.265}, 18.1108},
               {{5.5605, 171.094}, 17.7875},
               {{-0.794, 170.043}, 18.2552}},
              10);
    b.plants(44, 40, 220);  // besides what island 10 grows from these files
    d.canvas.finish();
}

const std::vector<Spot> lava10 = {
    {-93.1213, -44.6579}, {-81.7177, -36.5698}, {-65.9057, -34.602}, {-37.4263, 7.38815}, {17.3791, 26.908},
    {63.9583, -1.75923},  {79.5124, -31.384},   {80.8577, -46.1926}, {54.5708, -61.6642}, {43.8898, -38.0715},
    {1.40816, -23.9549},  {-1.71443, -61.8994}, {-39.3938, -68.2038}, {-59.6064, -59.629}, {-88.2941, -64.9522}};

void designIsland10(TerrainDesign& d) {
    d.hasMoney = true;
    IslandBuilder b(d, 212, TerrainWorld::LAVA, 2000);
    b.shape(roughen(superellipse({0, 0}, 105, 104, 6), 4, 28, b.seed(1)), [&](double x, double z, double coast) {
        return std::max(12, hills(x, z, b.seed(2), 22 + 10 * rim(coast, 18), 9, 28, 3));
    });
    // The start looks north over the lava lake: round the way from it to the
    // lake the hills fall in gentle terraces to a low shore, where they
    // would stand as a ridge of cliffs just before the hero.
    const Region view = band({-8.61068, 27}, {-8.61068, 5}, 0);
    b.canvas().paint(disc({-8.61068, 16}, 44), [&](double x, double z, int current) {
        double out = view(x, z) + 3 * fractalNoise(x / 10, z / 10, b.seed(20), 2);
        int terraces = (int)std::floor(std::max(0.0, out) / 5);
        return current == TerrainCanvas::HOLE ? current : std::min(current, 12 + 3 * terraces);
    });
    b.lake(lava10, 8.9974, true, 4, [](double inside) { return std::max(4, 8 - (int)(inside / 5)); });
    // South: the lowland of gate 15; a long stair along the south coast and a
    // flight north climb to gate 18's plateau.
    b.ground(roughen(polygon({{-62, 34}, {46, 34}, {50, 100}, {-62, 100}}), 7, 16, b.seed(3)), 14);
    Region top = roughen(box(68, -14, 98, 22), 3, 8, b.seed(4));
    b.route(top, 51, 0);
    b.embank(top, 51, 1.2, 6);
    b.landing(box(64, 68, 92, 88), 38);
    b.walk({28, 42}, {-42, 80}, 10, 14);
    b.flight({-36, 80}, 14, {68, 80}, 38, 12);
    b.flight({80, 72}, 38, {80, 16}, 51, 12);
    b.pad({-42, 80}, 7, 14, 3);
    b.coinLine({-50, 45}, {-50, 95}, 8);
    b.coinLine({0, 45}, {40, 62}, 8);
    b.gate({28.0389, 44.8647}, 14);
    b.gate({82.2722, 4.59742}, 51);
    b.start({-8.61068, 25.7749}, 15);
    b.volcano({-60.0602, -29.5829}, 20);
    b.volcano({-32.8332, 51.5727}, 14);
    // And this one on a crag by the western volcano.
    b.pad({-52.966, -24.2892}, 1.6, 32, 6);
    b.spirit({27.8756, -47.1386}, 26);
    b.spirit({44.9864, -66.4089}, 38);
    b.mounds(box(-106, -106, 106, 106), 4, 18, 3, 5);
    b.plants(22, 40, 160);  // grown from island 9's files
    d.canvas.finish();
}

void designIsland11(TerrainDesign& d) {
    IslandBuilder b(d, 234, TerrainWorld::MYSTIC, 2100);
    b.shape(roughen(superellipse({2, 0}, 114, 114, 3.5), 5, 30, b.seed(1)), [&](double x, double z, double coast) {
        return std::max(20, hills(x, z, b.seed(2), 30 + 8 * rim(coast, 18), 8, 28, 3));
    });
    // The town at 36; a ridge at 44 along the west from gate 21, six steps up
    // to gate 22 in the south; a stair between the town and the ridge.
    b.ground(roughen(polygon({{-50, -14}, {20, -20}, {30, -44}, {50, -44}, {112, -30}, {112, 100}, {-50, 100}}), 10, 22,
                     b.seed(3)),
             36);
    b.ground(roughen(polygon({{-30, -102}, {42, -102}, {42, -48}, {-30, -48}}), 8, 18, b.seed(4)), 24);
    b.ground(roughen(disc({-36, -30}, 10), 2, 7, b.seed(5)), 27);
    Region ridge = roughen(polygon({{-116, -116}, {-62, -116}, {-58, 74}, {-116, 74}}), 8, 18, b.seed(6));
    b.ground(ridge, 44);
    b.embank(ridge, 44, 1.3, 9);
    b.ground(roughen(disc({77.107, 37.916}, 6), 1, 5, b.seed(7)), 38);
    b.landing(box(-32, 54, 14, 72), 50);
    b.walk({-90.7, -83}, {-74, -8}, 12, 44);
    b.walk({-74, -8}, {-68, 62}, 12, 44);
    b.walk({-16, -8}, {58.7, -12}, 10, 36);
    b.flight({-62, 62}, 44, {-30, 62}, 50, 12);
    b.flight({-22, -8}, 36, {-62, -8}, 44, 12);
    b.pad({-68, 62}, 7, 44, 3);
    b.pad({-16, -8}, 6, 36, 3);
    b.pad({-68, -8}, 7, 44, 3);
    b.gate({-90.7295, -85.0915}, 44);
    b.gate({1.05586, 63.554}, 50);
    for (Spot house : {Spot{-35.1611, 31}, {104.723, 23.8737}, {56.0235, 86.9811}, {-7.02173, 7.1404}, {39.2801, -32.9568}})
        b.house(house, 36);
    b.shop({58.6924, -4.44712}, 36);
    b.house({20.2093, -52.4273}, 24);
    b.treeHouse({-6.18213, -76.3092}, 24);
    b.spirit({17.1502, 6.35876}, 36);
    b.spirit({47.0777, -19.4491}, 36);
    b.spirit({77.107, 37.916}, 38);
    b.spirit({3.54164, -48.8011}, 32);
    b.spirit({-39.2731, -25.0065}, 27);
    b.spirit({-96, -16.2075}, 44);
    b.mounds(box(-117, -117, 117, 117), 3, 18, 2, 8);
    b.plants(36, 70, 200);
    d.canvas.finish();
}

void designIsland12(TerrainDesign& d) {
    IslandBuilder b(d, 277, TerrainWorld::MYSTIC, 2200);
    b.shape(roughen(unite({ellipse({5, 5}, 128, 128), disc({62, -112}, 26)}), 6, 32, b.seed(1)),
            [&](double x, double z, double coast) {
                return std::max(18, hills(x, z, b.seed(2), 33 + 8 * rim(coast, 20), 12, 30, 3));
            });
    // One level road at 32 from gate 23 past quest point 5 to the castle.
    b.route(roughen(unite({band({64, -122}, {42, -37}, 34), band({42, -37}, {16, 12}, 34), box(-30, 8, 68, 112)}), 9,
                    18, b.seed(3)),
            32, 0);
    b.landing(roughen(ellipse({19, 60}, 50, 56), 2, 12, b.seed(4)), 32);
    b.walk({62, -116}, {42, -37}, 14, 32);
    b.walk({42, -37}, {14, 18}, 14, 32);
    b.gate({64.226, -120.138}, 32);
    b.pad({42.232, -37.0664}, 6, 32, 8);  // quest point 5
    b.pad({8, -5}, 4, 32, 6);             // where the castle's height is taken
    b.pad({14.4376, 47.9318}, 1.6, 35, 3);  // the dais the boss appears on
    b.keepClear(grow(ellipse({19, 60}, 50, 56), 6));
    b.start({-96, -16.2075}, b.levelAt({-96, -16.2075}));
    b.mounds(box(-138, -138, 138, 138), 4, 18, 3, 6);
    b.skyPath({{{29.3269, -115.74}, 58.7386}, {{53.7083, -119.109}, 44.2993}}, 6);
    b.plants(40, 60, 200);
    d.canvas.finish();
}

}  // namespace

TerrainDesign designIsland(int index) {
    TerrainDesign d;
    void (*scripts[13])(TerrainDesign&) = {designHome,    designIsland1, designIsland2,  designIsland3, designIsland4,
                                           designIsland5, designIsland6, designIsland7,  designIsland8, designIsland9,
                                           designIsland10, designIsland11, designIsland12};
    scripts[index](d);
    return d;
}
