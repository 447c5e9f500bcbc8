#ifndef TESTS_TERRAINLAYOUT_H
#define TESTS_TERRAINLAYOUT_H

// What the game puts on each island, read from the game's own islands (the
// cut scenes' camera paths excepted): the terrain checks hold the generated
// maps against these.
#include <cmath>
#include <string>
#include <vector>

#include "GameIslands.h"
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "TerrainField.h"
#include "TexturePlane/TexturePlane.h"
#include "TexturesMeshes/TexturesMeshes.h"

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

// The controller's 24 gates, in its order.
inline const std::vector<GateSite>& gateSites() {
    static std::vector<GateSite> list;
    if (list.empty()) {
        Controller& world = gameWorld();
        for (IslandPortal* gate : world.islandPortals) {
            Vector3D p = gate->getPosition();
            list.push_back({gate->getIslandIndex(), p.x, p.y, p.z, gate->getRotationAngleDegrees()});
        }
    }
    return list;
}

// Something that stands on the ground: it needs level ground within `radius`
// at a level from `low` to `high`. Solid ones also block a walking hero.
enum class Kind { BUILDING, HUT, SHOP, PROP, SPIRIT, START, ITEM, VOLCANO, SPOT };

struct Footing {
    int island;
    Kind kind;
    double x, z;
    double radius;  // level ground needed; also the collision radius of solid things
    int low, high;
    std::string what;
};

// What a height implies: the whole levels the ground may have under a thing
// whose base is at `base`.
inline int levelBelow(double base) { return (int)std::floor(base + 1e-3); }
inline int levelAbove(double base) { return (int)std::ceil(base - 1e-3); }

inline const char* nameOf(StaticObject* object, TexturesMeshes& t) {
    Mesh* first = object->meshes.empty() ? nullptr : object->meshes.front();
    if (first == t.houseMainMesh) return "house";
    if (first == t.shopMainMesh) return "shop";
    if (first == t.treeHouseBaseMesh) return "tree house";
    if (first == t.pillarMesh) return "pillar";
    if (first == t.pillarSmallMesh) return "small pillar";
    if (first == t.basketMesh) return "basket";
    if (first == t.statueMesh) return "statue";
    if (first == t.caveMesh) return "cave floor";
    if (first == t.castleMesh) return "castle";
    return "still spirit";
}

// Everything the levels place, read from the game's islands: buildings,
// props, spirits as they spawn (and the boss), items, volcanoes and where
// each island puts the hero.
inline const std::vector<Footing>& footings() {
    static std::vector<Footing> list;
    if (!list.empty()) return list;
    Controller& world = gameWorld();
    TexturesMeshes& t = world.texturesMeshes;
    for (int i = 0; i < ISLAND_COUNT; i++) {
        Island& island = *world.islands[i];
        for (StaticObject* building : island.buildings) {
            Vector3D p = building->getPosition();
            std::string what = nameOf(building, t);
            if (building == island.shopBuilding)
                list.push_back({i, Kind::SHOP, p.x, p.z, 8, levelBelow(p.y), levelAbove(p.y), what});
            else if (building->getCollisionRadius() == 5.0f)  // huts stand on their trees
                list.push_back({i, Kind::BUILDING, p.x, p.z, 5, levelBelow(p.y), levelAbove(p.y), what});
        }
        for (Object* object : island.otherStaticObjectsNoBuildings) {
            StaticObject* prop = dynamic_cast<StaticObject*>(object);
            Vector3D p = prop->getPosition();
            std::string what = nameOf(prop, t);
            double base = what == "still spirit" ? p.y - 1.3 : p.y;
            if (what == "tree house") {
                list.push_back({i, Kind::HUT, p.x, p.z, 5.6, levelBelow(base), levelAbove(base), what});
            } else if (what == "cave floor") {
                list.push_back({i, Kind::SPOT, p.x, p.z, 8, levelBelow(base), levelAbove(base), what});
            } else if (what == "castle") {
                // It stands 2 below the ground the level samples at (8, -5).
                list.push_back({i, Kind::SPOT, 8, -5, 1, levelBelow(base + 2), levelAbove(base + 2),
                                "castle height sample"});
            } else {
                list.push_back({i, Kind::PROP, p.x, p.z, object->getCollisionRadius(), levelBelow(base),
                                levelAbove(base), what});
            }
        }
        for (Volcano* volcano : island.volcanoes) {
            Vector3D p = volcano->getPosition();
            // Its mesh's base is 7 across.
            list.push_back({i, Kind::VOLCANO, p.x, p.z, 7, levelBelow(p.y), levelAbove(p.y), "volcano"});
        }
        // A spirit's position is its eye, 1.3 above its feet: it may start
        // with its feet a little in the ground (the town's allies, the one in
        // the cave) or drop a little onto it; the terrain tops out at 51.
        std::vector<EnemyForestSpirit*> spirits = island.forestSpirits;
        if (i == 12) {
            island.createBoss();
            spirits = island.forestSpirits;
        }
        for (EnemyForestSpirit* spirit : spirits) {
            Vector3D p = spirit->getPosition();
            int low = std::min(levelBelow(p.y - 1.3) - 1, 51);
            list.push_back({i, Kind::SPIRIT, p.x, p.z, 1.5, low, levelBelow(p.y),
                            spirit->getIsBoss() ? "boss" : spirit->getAggressive() ? "enemy" : "ally"});
        }
        if (i == 12) island.killAllEnemies();
        for (HoldableItem* item : island.islandHoldableItems) {
            if (item->getIsMoney()) continue;  // the coins have their own check
            Vector3D p = item->getPosition();
            double given = item->itemType == ITEM_ONE_RING ? p.y : p.y - 1.0;
            list.push_back({i, Kind::ITEM, p.x, p.z, 1, levelBelow(given) - 2, levelAbove(given),
                            item->itemType == ITEM_VIAL       ? "vial"
                            : item->itemType == ITEM_GAUNTLETS ? "gauntlets"
                                                               : "ring"});
        }
        Vector3D start = island.getHeroInitialPosition();
        list.push_back({i, Kind::START, start.x, start.z, 1, 0, 51, "hero start"});
    }
    return list;
}

// Textured squares laid on the ground: exactly level under the whole square.
struct GroundPlane {
    int island;
    double x, z, side;
    int level;
};

inline const std::vector<GroundPlane>& groundPlanes() {
    static std::vector<GroundPlane> list;
    if (list.empty()) {
        Controller& world = gameWorld();
        for (int i = 0; i < ISLAND_COUNT; i++)
            for (TexturePlane* plane : world.islands[i]->texturePlanes)
                list.push_back({i, plane->x, plane->z, plane->size, levelBelow(plane->y)});
    }
    return list;
}

struct QuestSite {
    int island;
    double x, y, z;
};

// Quest points fire when the hero's position comes within 8 of them; the
// ones quests add later (the king's return, the princess) stand where those
// quests put them.
inline const std::vector<QuestSite>& questSites() {
    static std::vector<QuestSite> list;
    if (list.empty()) {
        Controller& world = gameWorld();
        for (int i = 0; i < ISLAND_COUNT; i++)
            for (QuestPoint* point : world.islands[i]->questPoints) {
                Vector3D p = point->getPosition();
                list.push_back({i, p.x, p.y, p.z});
            }
    }
    return list;
}

struct Surface {
    int island;
    double level;
    bool lava;
    int dryAtLeast;  // ground outside the outline never lower
    std::vector<Ground> outline;
};

inline std::vector<Ground> outlineOf(Water* water) {
    std::vector<Ground> corners;
    for (const Vector3D& corner : water->outline) corners.push_back({corner.x, corner.z});
    return corners;
}

// The first water or lava plane of each island: the one the game tests for
// wading and for lava.
inline const std::vector<Surface>& surfaces() {
    static std::vector<Surface> list;
    if (list.empty()) {
        Controller& world = gameWorld();
        for (int i = 0; i < ISLAND_COUNT; i++) {
            Island& island = *world.islands[i];
            if (island.waterPlanes.empty()) continue;
            Water* water = island.waterPlanes.front();
            int dry = water->isWater ? levelAbove(water->height) : safeLevel(i);
            list.push_back({i, water->height, !water->isWater, dry, outlineOf(water)});
        }
    }
    return list;
}

// Island 4's pond on its high plateau, its second plane: not the one the
// game tests for wading.
inline const Surface& pond4() {
    static Surface pond;
    if (pond.outline.empty()) {
        Water* water = gameWorld().islands[4]->waterPlanes.at(1);
        pond = {4, water->height, false, levelAbove(water->height), outlineOf(water)};
    }
    return pond;
}

struct Crest {
    int island;
    Ground start, end;
    // The spray leaves the crest sideways: (-dz, dx) of end - start.
    Ground spray() const {
        double dx = end.x - start.x, dz = end.z - start.z, length = std::hypot(dx, dz);
        return {-dz / length, dx / length};
    }
};

inline const std::vector<Crest>& crests() {
    static std::vector<Crest> list;
    if (list.empty()) {
        Controller& world = gameWorld();
        for (int i = 0; i < ISLAND_COUNT; i++)
            if (Waterfall* fall = world.islands[i]->waterfall)
                list.push_back({i, {fall->start.x, fall->start.z}, {fall->end.x, fall->end.z}});
    }
    return list;
}

// Invisible walls the hero must not slip under: the ground along them.
struct WallChain {
    int island;
    int lowestGround;
    std::vector<Ground> points;
};

// Each panel is two triangles over one segment; consecutive panels that
// share an end make one chain.
inline const std::vector<WallChain>& wallChains() {
    static std::vector<WallChain> list;
    if (!list.empty()) return list;
    Controller& world = gameWorld();
    for (int i = 0; i < ISLAND_COUNT; i++) {
        std::vector<Wall*>& walls = world.islands[i]->walls;
        for (size_t k = 0; k + 1 < walls.size(); k += 2) {
            Vector3D a = walls[k]->polygon->getPoint(0), b = walls[k]->polygon->getPoint(1);
            WallChain* chain = list.empty() ? nullptr : &list.back();
            bool continues = chain && chain->island == i && chain->points.back().x == a.x &&
                             chain->points.back().z == a.z;
            if (!continues) {
                list.push_back({i, levelBelow(a.y) - 1, {{a.x, a.z}}});
                chain = &list.back();
            }
            chain->points.push_back({b.x, b.z});
        }
    }
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
