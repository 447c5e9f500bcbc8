#include "Object/HeightMap/HeightMap.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Frustum/ViewCull.h"
#include "Object/HeightMap/GreyPicture.h"
#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"
#include "TexturesMeshes/TexturesMeshes.h"

const float SKIRT_BOTTOM = -10.0f;
const float MAX_GENTLE_SPREAD = 3.0f;

enum { P, Q, R, S };

// The two triangles of a cell, as corner indices.
const int SPLIT_ALONG_QS[2][3] = {{P, Q, S}, {S, Q, R}};
const int SPLIT_ALONG_PR[2][3] = {{S, P, R}, {P, Q, R}};

// The terrain is built during start-up, before the window opens; a broken
// file there is fatal, reported in one line.
[[noreturn]] static void failToLoad(const char* path, const char* problem) {
    std::fprintf(stderr, "Height map \"%s\": %s\n", path, problem);
    std::fflush(stderr);
    std::exit(1);
}

HeightMap::HeightMap(const char* path, int size, TexturesMeshes* texMesh, Texture* miniMapTexture)
    : worldType(GRASS_WORLD), size(size), texMesh(texMesh), miniMapTexture(miniMapTexture), blocksPerSide(0) {
    assert(texMesh);
    assert(miniMapTexture);

    std::string problem;
    {
        GreyPicture image(path);
        if (!image.covers(size)) {
            problem = image.problem();
        } else {
            heights.assign((size_t)std::max(size, 0) * std::max(size, 0), UNDEFINED_HEIGHT);
            for (int i = 0; i < size; ++i) {
                for (int j = 0; j < size; ++j) {
                    unsigned char byte = image.at(i, j);
                    heights[(size_t)i * size + j] = byte == 0 ? UNDEFINED_HEIGHT : (float)(byte / 5);
                }
            }
        }
    }
    // The picture is freed before a broken file ends the program.
    if (!problem.empty()) {
        failToLoad(path, problem.c_str());
    }

}

HeightMap::~HeightMap() {
    for (size_t i = 0; i < edgePolygons.size(); ++i) {
        assert(edgePolygons.at(i));
        delete edgePolygons[i];
    }
    // The corners a cell's second triangle borrows from its first are freed
    // with the first.
    for (size_t k = 0; k + 1 < polygons.size(); k += 2) {
        if (polygons[k] == nullptr || polygons[k + 1] == nullptr) {
            continue;
        }
        std::vector<Vertex*>* owned = polygons[k]->getVertices();
        for (Vertex*& corner : *polygons[k + 1]->getVertices()) {
            if (std::find(owned->begin(), owned->end(), corner) != owned->end()) {
                corner = nullptr;
            }
        }
    }
}

float HeightMap::sample(int i, int j) { return heights[(size_t)i * size + j]; }

void HeightMap::describeCell(int i, int j, Cell& cell) {
    const int column[4] = {i, i, i + 1, i + 1};
    const int row[4] = {j, j + 1, j + 1, j};
    const float texU[4] = {0, 0, 1, 1};
    const float texV[4] = {0, 1, 1, 0};
    const int half = size / 2;

    Corner* corners = cell.corners;
    float h[4];
    cell.anyMissing = false;
    for (int k = 0; k < 4; ++k) {
        h[k] = sample(column[k], row[k]);
        corners[k].present = h[k] != UNDEFINED_HEIGHT;
        corners[k].position = Vector3D((float)(column[k] - half), h[k], (float)(row[k] - half));
        corners[k].normal = Vector3D(0, 1, 0);
        corners[k].texCoord = Vector3D(texU[k], texV[k], 0);
        cell.anyMissing = cell.anyMissing || !corners[k].present;
    }

    // A cell with exactly three equal corners (holes counted as their
    // height) is split along the diagonal that keeps the three together.
    int largestGroup = 0;
    for (int a = 0; a < 4; ++a) {
        int same = 0;
        for (int b = 0; b < 4; ++b) {
            same += h[a] == h[b];
        }
        largestGroup = std::max(largestGroup, same);
    }
    cell.triangles = SPLIT_ALONG_QS;
    if (largestGroup == 3) {
        bool pqs = h[P] == h[Q] && h[Q] == h[S];
        bool qrs = h[Q] == h[R] && h[R] == h[S];
        if (!pqs && !qrs) {
            cell.triangles = SPLIT_ALONG_PR;  // R = S = P or P = Q = R
        }
    }

    for (int t = 0; t < 2; ++t) {
        const int* c = cell.triangles[t];
        cell.complete[t] = corners[c[0]].present && corners[c[1]].present && corners[c[2]].present;
        cell.steep[t] = false;
        if (!cell.complete[t]) {
            continue;
        }
        float y0 = corners[c[0]].position.y, y1 = corners[c[1]].position.y, y2 = corners[c[2]].position.y;
        float spread = std::max(y0, std::max(y1, y2)) - std::min(y0, std::min(y1, y2));
        cell.steep[t] = spread > MAX_GENTLE_SPREAD;
        if (cell.steep[t]) {
            // Cliffs are lit by their face; the corners they share with the
            // cell's other triangle take the same normal.
            Vector3D u = corners[c[1]].position.subtract(&corners[c[0]].position);
            Vector3D v = corners[c[2]].position.subtract(&corners[c[0]].position);
            Vector3D face = Vector3D::getCrossProduct2(&u, &v).getUnitVector();
            for (int k = 0; k < 3; ++k) {
                corners[c[k]].normal = face;
            }
        }
    }
}

void HeightMap::makeCellTriangles(int i, int j) {
    size_t cellIndex = (size_t)(size - 1) * i + j;
    if (polygons.empty()) {
        polygons.assign(2 * (size_t)(size - 1) * (size - 1), nullptr);
        cellMade.assign((size_t)(size - 1) * (size - 1), false);
    }
    if (cellMade[cellIndex]) {
        return;
    }
    cellMade[cellIndex] = true;
    Cell cell;
    describeCell(i, j, cell);
    // The cell's four corners are made once, after both triangles have set
    // their normals, and the two triangles share them: the first triangle
    // owns its corners, the second borrows the two it has in common (the
    // destructor hands them back before the triangles are deleted).
    Vertex* made[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int t = 0; t < 2; ++t) {
        if (!cell.complete[t]) {
            continue;
        }
        Polygon3D* triangle = new Polygon3D(this);
        triangle->getVertices()->reserve(3);
        for (int k = 0; k < 3; ++k) {
            int c = cell.triangles[t][k];
            if (made[c] == nullptr) {
                Corner& corner = cell.corners[c];
                made[c] = new Vertex(corner.position, corner.normal, corner.texCoord);
            }
            triangle->addVertex(made[c]);
        }
        polygons[2 * cellIndex + t] = triangle;
    }
}

void HeightMap::addEdgePolygons(Corner* corners) {
    const int edges[4][2] = {{P, Q}, {Q, R}, {R, S}, {S, P}};
    const Vector3D up(0, 1, 0);
    for (const int* edge : edges) {
        Corner& a = corners[edge[0]];
        Corner& b = corners[edge[1]];
        if (!a.present || !b.present) {
            continue;
        }
        Vector3D aBottom(a.position.x, SKIRT_BOTTOM, a.position.z);
        Vector3D bBottom(b.position.x, SKIRT_BOTTOM, b.position.z);
        Vector3D aBottomTex(0, 1, 0), bBottomTex(1, 1, 0);

        Polygon3D* upper = new Polygon3D(this);
        upper->addVertex(new Vertex(a.position, a.normal, a.texCoord));
        upper->addVertex(new Vertex(b.position, b.normal, b.texCoord));
        upper->addVertex(new Vertex(aBottom, up, aBottomTex));
        edgePolygons.push_back(upper);

        Polygon3D* lower = new Polygon3D(this);
        lower->addVertex(new Vertex(aBottom, up, aBottomTex));
        lower->addVertex(new Vertex(b.position, b.normal, b.texCoord));
        lower->addVertex(new Vertex(bBottom, up, bBottomTex));
        edgePolygons.push_back(lower);
    }
}

// The buffers' arrays hold every triangle of the terrain. Made at the first
// draw, they are uploaded and freed at once, instead of being held from
// start-up for the islands not yet seen. The cells are described twice,
// once to count and once to fill, so each array is made at its exact size.
void HeightMap::buildBuffers() {
    if (gentleBuffer.arraysLoaded) {
        return;
    }
    const int cells = std::max(size - 1, 0);
    blocksPerSide = (cells + BLOCK - 1) / BLOCK;
    const size_t runs = (size_t)cells * blocksPerSide;
    gentleStarts.assign(runs + 1, 0);
    steepStarts.assign(runs + 1, 0);
    skirtStarts.assign(runs + 1, 0);
    blockBounds.assign(6 * (size_t)blocksPerSide * blocksPerSide, 0.0f);
    for (size_t b = 0; b < blockBounds.size(); b += 6) {
        for (int k = 0; k < 3; ++k) {
            blockBounds[b + k] = HUGE_VALF;
            blockBounds[b + 3 + k] = -HUGE_VALF;
        }
    }

    Cell cell;
    size_t gentleCount = 0, steepCount = 0;
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            if (j % BLOCK == 0) {
                size_t run = (size_t)i * blocksPerSide + j / BLOCK;
                gentleStarts[run] = (int)gentleCount;
                steepStarts[run] = (int)steepCount;
                skirtStarts[run] = (int)edgePolygons.size();
            }
            describeCell(i, j, cell);
            for (int t = 0; t < 2; ++t) {
                if (cell.complete[t]) {
                    ++(cell.steep[t] ? steepCount : gentleCount);
                }
            }
            if (cell.anyMissing) {
                addEdgePolygons(cell.corners);
            }
        }
    }
    gentleStarts[runs] = (int)gentleCount;
    steepStarts[runs] = (int)steepCount;
    skirtStarts[runs] = (int)edgePolygons.size();
    gentleBuffer.allocateArrays((int)(VERTICES_PER_POLYGON * gentleCount));
    steepBuffer.allocateArrays((int)(VERTICES_PER_POLYGON * (steepCount + edgePolygons.size())));

    size_t gentleNext = 0, steepNext = 0;
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            describeCell(i, j, cell);
            for (int t = 0; t < 2; ++t) {
                if (!cell.complete[t]) {
                    continue;
                }
                VertexBuffer& buffer = cell.steep[t] ? steepBuffer : gentleBuffer;
                size_t& next = cell.steep[t] ? steepNext : gentleNext;
                for (int k = 0; k < 3; ++k) {
                    const Corner& corner = cell.corners[cell.triangles[t][k]];
                    buffer.setVertex(next++, corner.position, corner.normal, corner.texCoord.x, corner.texCoord.y);
                    widenBlockBounds(i, j, corner.position);
                }
            }
        }
    }
    for (size_t run = 0; run < runs; ++run) {
        int i = (int)(run / blocksPerSide), j = (int)(run % blocksPerSide) * BLOCK;
        for (int s = skirtStarts[run]; s < skirtStarts[run + 1]; ++s) {
            for (Vertex* vertex : *edgePolygons[s]->getVertices()) {
                steepBuffer.setVertex(steepNext++, vertex->position, vertex->normal, vertex->textureCoord->x,
                                      vertex->textureCoord->y);
                widenBlockBounds(i, j, vertex->position);
            }
        }
    }
    assert(gentleNext == (size_t)gentleBuffer.numberOfVertices);
    assert(steepNext == (size_t)steepBuffer.numberOfVertices);
}

void HeightMap::upload() {
    buildBuffers();
    gentleBuffer.upload();
    steepBuffer.upload();
}

void HeightMap::widenBlockBounds(int i, int j, const Vector3D& corner) {
    float* box = &blockBounds[6 * ((size_t)(i / BLOCK) * blocksPerSide + j / BLOCK)];
    const float c[3] = {corner.x, corner.y, corner.z};
    for (int k = 0; k < 3; ++k) {
        box[k] = std::min(box[k], c[k]);
        box[3 + k] = std::max(box[3 + k], c[k]);
    }
}

void HeightMap::findVisibleBlocks(std::vector<char>& visible) {
    buildBuffers();
    ViewCull cull;
    cull.readFromGL();
    const size_t blocks = (size_t)blocksPerSide * blocksPerSide;
    visible.assign(blocks, 0);
    for (size_t b = 0; b < blocks; ++b) {
        const float* box = &blockBounds[6 * b];
        visible[b] = cull.boxMayShow(box, box + 3);
    }
}

void HeightMap::collectRuns(const std::vector<char>& visible, const std::vector<int>& starts, int offset,
                            std::vector<int>& firsts, std::vector<int>& counts) {
    const size_t runs = starts.size() - 1;
    for (size_t run = 0; run < runs; ++run) {
        int begin = starts[run], end = starts[run + 1];
        size_t column = run / blocksPerSide, rowBlock = run % blocksPerSide;
        if (begin == end || !visible[(column / BLOCK) * blocksPerSide + rowBlock]) {
            continue;
        }
        int first = (int)VERTICES_PER_POLYGON * (offset + begin);
        int count = (int)VERTICES_PER_POLYGON * (end - begin);
        if (!firsts.empty() && firsts.back() + counts.back() == first) {
            counts.back() += count;
        } else {
            firsts.push_back(first);
            counts.push_back(count);
        }
    }
}

void HeightMap::drawGentleInView(const std::vector<char>& visible) {
    std::vector<int> firsts, counts;
    collectRuns(visible, gentleStarts, 0, firsts, counts);
    gentleBuffer.drawVertexRuns(firsts, counts);
}

void HeightMap::drawSteepInView(const std::vector<char>& visible) {
    std::vector<int> firsts, counts;
    collectRuns(visible, steepStarts, 0, firsts, counts);
    collectRuns(visible, skirtStarts, steepStarts.back(), firsts, counts);
    steepBuffer.drawVertexRuns(firsts, counts);
}

void HeightMap::draw() {
    std::vector<char> visible;
    findVisibleBlocks(visible);
    glEnable(GL_TEXTURE_2D);

    const GLfloat noSpecular[] = {0, 0, 0, 0};
    glMaterialfv(GL_FRONT, GL_SPECULAR, noSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 0.1f);
    if (Texture* ground = groundTexture()) {
        ground->bindGLTexture();
    }
    drawGentleInView(visible);

    const GLfloat specular[] = {1, 1, 1, 1};
    const GLfloat glow[] = {0.4f, 0.3f, 0.2f, 0};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 3.0f);
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    if (Texture* cliff = cliffTexture()) {
        cliff->bindGLTexture();
    }
    drawSteepInView(visible);

    const GLfloat noEmission[] = {0, 0, 0, 0};
    glMaterialfv(GL_FRONT, GL_EMISSION, noEmission);
    glDisable(GL_TEXTURE_2D);
}

Texture* HeightMap::groundTexture() {
    switch (worldType) {
        case GRASS_WORLD: return texMesh->ground1Texture;
        case LAVA_WORLD: return texMesh->lavaRockGroundTexture;
        case SNOW_WORLD: return texMesh->snowTexture;
        case MYSTIC_WORLD: return texMesh->mysticTopTexture;
        case DIRT_WORLD: return texMesh->dirtGroundTexture;
    }
    return nullptr;
}

Texture* HeightMap::cliffTexture() {
    switch (worldType) {
        case GRASS_WORLD: return texMesh->cliffTexture;
        case LAVA_WORLD: return texMesh->hotLavaCliffTexture;
        case SNOW_WORLD: return texMesh->iceTextureSide;
        case MYSTIC_WORLD: return texMesh->mysticSideTexture;
        case DIRT_WORLD: return texMesh->dirtCliffTexture;
    }
    return nullptr;
}

bool HeightMap::doesSphereCollide(Vector3D* centre, float radius) {
    float ground = getHeight(centre->x, centre->z);
    if (ground == UNDEFINED_HEIGHT) {
        return false;
    }
    return centre->y - radius < ground;
}

float HeightMap::getHeight(float x, float z) {
    const int h = size / 2;
    // Off the grid, NaN included, before anything is converted to int.
    if (!(x >= -h && x <= size - 1 - h && z >= -h && z <= size - 1 - h)) {
        return UNDEFINED_HEIGHT;
    }
    int i0 = (int)std::floor(x) + h, j0 = (int)std::floor(z) + h;
    int i1 = (int)std::ceil(x) + h, j1 = (int)std::ceil(z) + h;
    float h00 = sample(i0, j0), h01 = sample(i0, j1), h10 = sample(i1, j0), h11 = sample(i1, j1);
    if (h00 == UNDEFINED_HEIGHT || h01 == UNDEFINED_HEIGHT || h10 == UNDEFINED_HEIGHT || h11 == UNDEFINED_HEIGHT) {
        return UNDEFINED_HEIGHT;
    }
    float fz = (z + h) - j0;
    float fx = (x + h) - i0;
    float a = h00 + fz * (h01 - h00);
    float b = h10 + fz * (h11 - h10);
    return a + fx * (b - a);
}

Polygon3D* HeightMap::getPolygon(float x, float z) {
    float fx = x + size / 2;
    float fz = z + size / 2;
    // Only points over a cell: a point past the last row must not find the
    // next column's first triangle.
    if (!(fx >= 0 && fx < size - 1 && fz >= 0 && fz < size - 1)) {
        return nullptr;
    }
    int i = (int)fx, j = (int)fz;
    return getPolygonFromIndex(i, j, !(1 - (fx - i) <= fz - j));
}

Polygon3D* HeightMap::getCollisionPolygon(Vector3D* offset, Vector3D* end) {
    Vector3D start = end->subtract(offset);
    const int h = size / 2;
    double lowX = std::min(start.x, end->x) + (double)h, highX = std::max(start.x, end->x) + (double)h + 1;
    double lowZ = std::min(start.z, end->z) + (double)h, highZ = std::max(start.z, end->z) + (double)h + 1;
    if (!std::isfinite(lowX) || !std::isfinite(highX) || !std::isfinite(lowZ) || !std::isfinite(highZ)) {
        return nullptr;
    }
    // Only cells of the grid can hold a triangle; clamping first keeps huge
    // coordinates from overflowing the conversion.
    const double lastCell = size - 2;
    if (highX < 0 || highZ < 0 || lowX > lastCell + 1 || lowZ > lastCell + 1) {
        return nullptr;
    }
    int firstI = (int)std::min(std::max(lowX, 0.0), lastCell + 1), lastI = (int)std::min(highX, lastCell);
    int firstJ = (int)std::min(std::max(lowZ, 0.0), lastCell + 1), lastJ = (int)std::min(highZ, lastCell);
    // A segment along a grid line or a cell's diagonal, or through a grid
    // corner, crosses the ground on an edge, which the strict test leaves
    // out of both triangles that share it. The first triangle whose edge it
    // crosses answers when no triangle holds the crossing inside.
    Polygon3D* onEdge = nullptr;
    for (int i = firstI; i <= lastI; ++i) {
        for (int j = firstJ; j <= lastJ; ++j) {
            for (int second = 0; second < 2; ++second) {
                Polygon3D* triangle = getPolygonFromIndex(i, j, second == 0);
                if (triangle == nullptr) {
                    continue;
                }
                bool found = false;
                Vector3D crossing = triangle->getIntersection(&start, end, found);
                if (!found) {
                    continue;
                }
                if (triangle->isPointWithinTriangle(&crossing)) {
                    return triangle;
                }
                // Rounding puts a crossing on an edge a hair to either side.
                if (onEdge == nullptr && triangle->isPointOnTriangle(&crossing, 1e-3)) {
                    onEdge = triangle;
                }
            }
        }
    }
    return onEdge;
}

float HeightMap::getSize() { return (float)size; }

Texture* HeightMap::getMiniMapTexture() { return miniMapTexture; }

void HeightMap::setWorldType(WorldType type) { worldType = type; }

WorldType HeightMap::getWorldType() { return worldType; }

float HeightMap::getIndexFromCoordinate(float c) { return c + size / 2; }

float HeightMap::getCoordinateFromIndex(float i) { return i - size / 2; }

bool HeightMap::allHeightsAreUndefined(int i, int j) {
    const int column[4] = {i, i, i + 1, i + 1};
    const int row[4] = {j, j + 1, j + 1, j};
    for (int k = 0; k < 4; ++k) {
        bool onGrid = column[k] >= 0 && column[k] < size && row[k] >= 0 && row[k] < size;
        if (onGrid && sample(column[k], row[k]) != UNDEFINED_HEIGHT) {
            return false;
        }
    }
    return true;
}

bool HeightMap::isHeightMap() { return true; }

Polygon3D* HeightMap::getPolygonFromIndex(int i, int j, bool first) {
    if (i < 0 || j < 0 || i > size - 2 || j > size - 2) {
        return nullptr;
    }
    makeCellTriangles(i, j);
    return polygons[2 * ((size_t)(size - 1) * i + j) + (first ? 0 : 1)];
}

void HeightMap::drawForShadow() {
    std::vector<char> visible;
    findVisibleBlocks(visible);
    drawGentleInView(visible);
    drawSteepInView(visible);
}

void HeightMap::drawHeightMapShadow(Vector3D*) { drawForShadow(); }
