#ifndef ASSETGEN_MESHPARTS_H
#define ASSETGEN_MESHPARTS_H

#include <string>
#include <vector>

#include "MeshBuilder.h"

struct MeshFile {
    std::string path;  // relative to the pack's root, e.g. "ObjFiles/trunk.obj"
    std::string comment;
    MeshBuilder mesh;
};

using MeshList = std::vector<MeshFile>;

// Each adds its meshes to the list; MeshGenerator writes them all.
void addFigureMeshes(MeshList& out);    // spirit bodies, eyes, limbs, head wear
void addBuildingMeshes(MeshList& out);  // houses, shop, tree house, props, gates, cave, castle
void addNatureMeshes(MeshList& out);    // trees, leaves, plants, snow, basket
void addItemMeshes(MeshList& out);      // the things the hero can hold

MeshList buildAllMeshes();

// A leaf folded along its midrib, base at the origin, tip at +y, seen from
// both sides; the whole picture spans it.
void addLeafSheet(MeshBuilder& m, const Xform& place, double length, double width);

// Radius of the spirit's egg-shaped body at height y (figure frame: the
// origin is the eye point, the ground at y = -1.3); 0 outside y -1.0 .. 1.1.
double spiritBodyRadius(double y);
// The body's outline for lathe(), top and bottom closed, scaled about the
// body's middle; rings are spaced more closely towards both ends.
std::vector<ProfilePoint> bodyProfile(double scaleR, double scaleY, int rings);

// Texture tile sizes in world units for the repeating materials.
constexpr double kTileBark = 2.0;
constexpr double kTileStone = 3.0;
constexpr double kTileWall = 3.0;
constexpr double kTileThatch = 2.0;
constexpr double kTileWood = 1.5;
constexpr double kTileSmall = 0.5;  // gold, armour, straw on small things

#endif
