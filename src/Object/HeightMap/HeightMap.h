#ifndef HEIGHTMAP_H
#define HEIGHTMAP_H

#include <vector>

#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "Vector3D/Vector3D.h"
#include "Vertex/Vertex.h"
#include "VertexBuffer/VertexBuffer.h"
#include "WorldType/WorldType.h"

class Texture;
class TexturesMeshes;

// Marks a sample without ground, and is what every height query answers
// where there is none.
const float UNDEFINED_HEIGHT = -50.0f;

// An island's terrain, read from an 8-bit BMP with one byte per sample:
// byte 0 is no ground, any other byte b the height b / 5 (integer quotient).
// Sample (i, j), i the image column and j the image row, stands at
// x = i - size/2, z = j - size/2 (integer half); a cell is one unit.
//
// Each cell is split into two triangles; those whose corner heights spread
// by more than 3 are cliffs, the rest ground. Vertical skirts hang from the
// edges of cells that touch a hole. The terrain is built before any OpenGL
// context exists; its two vertex buffers are made and uploaded by upload()
// or at its first draw, straight from the samples, with the skirts. A cell's two triangles,
// which only the ground and collision queries need, are made at the first
// query of that cell: the thirteen islands hold well over a million
// triangles, most of them never asked for.
class HeightMap : public Object {
public:
    // The file is read at once. A missing file, one that is not an 8-bit
    // image, or one smaller than size x size ends the program with a line
    // on standard error.
    HeightMap(const char* path, int size, TexturesMeshes* texMesh, Texture* miniMapTexture);
    ~HeightMap() override;

    void draw() override;
    // Makes and uploads the vertex buffers now rather than at the first draw.
    void upload();
    // True where the terrain under the centre is defined and the sphere's
    // bottom lies strictly below it.
    bool doesSphereCollide(Vector3D* centre, float radius) override;

    // Bilinear in the cell's four samples; UNDEFINED_HEIGHT off the grid or
    // when any of the four has no ground.
    float getHeight(float x, float z);
    // The cell triangle under the point; null off the grid or over a hole.
    Polygon3D* getPolygon(float x, float z);
    // The first cell triangle crossed by the segment from end - offset to
    // end, scanning the cells of the segment's horizontal extent; or null.
    Polygon3D* getCollisionPolygon(Vector3D* offset, Vector3D* end);

    float getSize();
    Texture* getMiniMapTexture();
    void setWorldType(WorldType type);
    WorldType getWorldType();
    float getIndexFromCoordinate(float c);
    float getCoordinateFromIndex(float i);

    bool allHeightsAreUndefined(int i, int j);
    bool isHeightMap();
    // Cell (i, j)'s first triangle, or its second when first is false; null
    // outside the grid or where the triangle has a missing corner.
    Polygon3D* getPolygonFromIndex(int i, int j, bool first);
    // The terrain's geometry with no texture or material set up.
    void drawForShadow();
    void drawHeightMapShadow(Vector3D* light);

protected:
    WorldType worldType;
    // Skirts, in cell order, made with the buffers; owned here. The cell
    // triangles are the base list, two entries per cell once any cell has
    // been asked for (empty before), null where a triangle has a missing
    // corner or its cell has not been asked for yet; a cell's two share the
    // corners they have in common.
    std::vector<Polygon3D*> edgePolygons;
    // Per cell, whether its triangles have been made.
    std::vector<bool> cellMade;
    int size;
    // heights[i * size + j] for column i, row j.
    std::vector<float> heights;
    TexturesMeshes* texMesh;
    Texture* miniMapTexture;
    // Ground triangles; cliff triangles, then every skirt.
    VertexBuffer gentleBuffer;
    VertexBuffer steepBuffer;

    // Fills both buffers' arrays, once; drawing uploads them.
    void buildBuffers();

    // Each draw skips the blocks of BLOCK x BLOCK cells that lie wholly
    // outside the current view. The rest is drawn in runs that keep the
    // buffers' order, so the picture is the one the whole buffers give.
    static const int BLOCK = 16;
    int blocksPerSide;
    // For column i of cells and block b of its rows, at i * blocksPerSide + b:
    // its first triangle in each buffer, and its first skirt among the
    // skirts. One entry more closes the last.
    std::vector<int> gentleStarts;
    std::vector<int> steepStarts;
    std::vector<int> skirtStarts;
    // Per block (column block * blocksPerSide + row block): the least x, y,
    // z, then the greatest, of every corner it draws; empty blocks keep an
    // inverted box.
    std::vector<float> blockBounds;

    // The blocks the current model-view and projection can show; the
    // buffers are built first.
    void findVisibleBlocks(std::vector<char>& visible);
    void drawGentleInView(const std::vector<char>& visible);
    void drawSteepInView(const std::vector<char>& visible);

private:
    struct Corner {
        bool present;
        Vector3D position;
        Vector3D normal;
        Vector3D texCoord;
    };
    // A cell's corners, with the normals its cliffs give them, and how it
    // is split into its two triangles.
    struct Cell {
        Corner corners[4];
        const int (*triangles)[3];
        bool complete[2];
        bool steep[2];
        bool anyMissing;
    };

    float sample(int i, int j);
    void describeCell(int i, int j, Cell& cell);
    void makeCellTriangles(int i, int j);
    void addEdgePolygons(Corner* corners);
    void widenBlockBounds(int i, int j, const Vector3D& corner);
    void collectRuns(const std::vector<char>& visible, const std::vector<int>& starts, int offset,
                     std::vector<int>& firsts, std::vector<int>& counts);
    Texture* groundTexture();
    Texture* cliffTexture();

    HeightMap(const HeightMap&) = delete;
    HeightMap& operator=(const HeightMap&) = delete;
};

#endif
