#include "Object/ProceduralTree/ProceduralTree.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <map>
#include <utility>

#include "Frustum/ViewCull.h"
#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "Object/ProceduralTree/Bud/PartCorners.h"
#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

ProceduralTree::ProceduralTree(Mesh* leafMesh, Mesh* order0Mesh, Mesh* order1Mesh, Mesh* order2Mesh,
                               Mesh* order3Mesh, Mesh* order4To5Mesh, Mesh* order6To9Mesh)
    : leafMesh(leafMesh),
      order1Mesh(order1Mesh),
      order2Mesh(order2Mesh),
      order3Mesh(order3Mesh),
      order4To5Mesh(order4To5Mesh),
      order6To9Mesh(order6To9Mesh),
      order0Mesh(order0Mesh) {
    assert(leafMesh);
    assert(order0Mesh);
    branchTexture = order0Mesh->getTexture();
    leafTexture = leafMesh->getTexture();
    color.setRed(0.5f);
    color.setGreen(0.0f);
    color.setBlue(0.5f);
    boundingRadius = 1.0f;
}

ProceduralTree::~ProceduralTree() {}

void ProceduralTree::seed(Vector3D p) {
    setPosition(p);
    seedPosition = p;
    buds.push_back(Bud(p, 0, Vector3D(0.0f, 1.0f, 0.0f)));

    while (!buds.empty()) {
        for (size_t i = 0; i < buds.size(); ++i) {
            // Taken out: appending new buds may move the list, and slot i
            // is erased below.
            Bud bud = std::move(buds[i]);
            int c = bud.getNumInterNodes();
            int l = bud.getNumLeaves();
            for (int j = 0; j < c; ++j) {
                if (bud.spawnWhat() == SPAWN_INTERNODE) {
                    internodes.emplace_back(bud.getPosition(), bud.getOrder(), bud.getDirection(),
                                            bud.getEndPoint(j), getMeshForInternodeOrder(bud.getOrder()));
                    buds.push_back(internodes.back().getBudOnEnd());
                } else {
                    // Faces the way the branch would have grown.
                    Vector3D budPosition = bud.getPosition();
                    Vector3D towards = bud.getEndPoint(j).subtract(&budPosition);
                    leaves.emplace_back(budPosition, towards, leafMesh);
                }
            }
            for (int k = 0; k < l; ++k) {
                leaves.emplace_back(bud.getPosition(), bud.getLeafDirection(k), leafMesh);
            }
            // The bud that moves into slot i waits for the next sweep.
            buds.erase(buds.begin() + i);
        }
    }
}

// Parts a run holds at most: few enough that a tree half in view, or beside
// a portal's opening, sends much less; enough that the runs cost little to
// test.
const int PARTS_PER_RUN = 16;
// Runs gather parts of one cube of the tree's space, this many to its reach.
const double CELLS_PER_REACH = 3.0;

// Growth order scatters neighbours over the whole tree, so the triangles
// are drawn part by part in order of their cube of space (growth order
// within it), in runs of neighbours each with a sphere holding its corners.
// The corners stay where they were written.
class ProceduralTree::RunMaker {
public:
    RunMaker(VertexBuffer& buffer, std::vector<PartRun>& runs) : buffer(buffer), runs(runs) { runs.clear(); }
    void partWritten(size_t corner, size_t index) {
        parts.push_back({cornerEnd, corner, indexEnd, index, {0, 0, 0}});
        cornerEnd = corner;
        indexEnd = index;
    }
    void finish() {
        if (parts.empty() || buffer.indexArray == nullptr) {
            return;
        }
        double reach = 0;
        for (Part& part : parts) {
            double low[3], high[3];
            bounds(part.cornerFirst, part.cornerEnd, low, high);
            for (int k = 0; k < 3; ++k) {
                part.middle[k] = (low[k] + high[k]) / 2;
                reach = std::max(reach, std::fabs(part.middle[k]));
            }
        }
        double cell = std::max(reach / CELLS_PER_REACH, 1e-3);
        auto cellOf = [cell](const Part& part) {
            return std::array<long, 3>{(long)std::floor(part.middle[0] / cell), (long)std::floor(part.middle[1] / cell),
                                       (long)std::floor(part.middle[2] / cell)};
        };
        std::vector<size_t> order(parts.size());
        for (size_t k = 0; k < order.size(); ++k) order[k] = k;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return cellOf(parts[a]) < cellOf(parts[b]); });
        std::vector<unsigned int> indices(buffer.indexArray, buffer.indexArray + buffer.numberOfVertices);
        size_t next = 0, runStart = 0, runPartCount = 0;
        std::vector<size_t> runParts;
        for (size_t k = 0; k < order.size(); ++k) {
            const Part& part = parts[order[k]];
            if (!runParts.empty() && (runPartCount == PARTS_PER_RUN || cellOf(part) != cellOf(parts[runParts[0]]))) {
                close(runParts, runStart, next);
                runParts.clear();
                runStart = next;
                runPartCount = 0;
            }
            for (size_t i = part.indexFirst; i < part.indexEnd; ++i) {
                buffer.indexArray[next++] = indices[i];
            }
            runParts.push_back(order[k]);
            ++runPartCount;
        }
        close(runParts, runStart, next);
    }

private:
    struct Part {
        size_t cornerFirst, cornerEnd, indexFirst, indexEnd;
        double middle[3];
    };
    VertexBuffer& buffer;
    std::vector<PartRun>& runs;
    std::vector<Part> parts;
    size_t cornerEnd = 0, indexEnd = 0;

    void bounds(size_t first, size_t end, double low[3], double high[3]) const {
        for (int k = 0; k < 3; ++k) {
            low[k] = 1e30;
            high[k] = -1e30;
        }
        for (size_t c = first; c < end; ++c) {
            for (int k = 0; k < 3; ++k) {
                low[k] = std::min(low[k], (double)buffer.vertexArray[3 * c + k]);
                high[k] = std::max(high[k], (double)buffer.vertexArray[3 * c + k]);
            }
        }
    }

    void close(const std::vector<size_t>& runParts, size_t indexFirst, size_t indexEnd) {
        if (indexEnd == indexFirst) {
            return;
        }
        double low[3] = {1e30, 1e30, 1e30}, high[3] = {-1e30, -1e30, -1e30};
        for (size_t k : runParts) {
            double l[3], h[3];
            bounds(parts[k].cornerFirst, parts[k].cornerEnd, l, h);
            for (int i = 0; i < 3; ++i) {
                low[i] = std::min(low[i], l[i]);
                high[i] = std::max(high[i], h[i]);
            }
        }
        double mid[3] = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
        double farthest = 0;
        for (size_t k : runParts) {
            for (size_t c = parts[k].cornerFirst; c < parts[k].cornerEnd; ++c) {
                const float* v = buffer.vertexArray + 3 * c;
                double dx = v[0] - mid[0], dy = v[1] - mid[1], dz = v[2] - mid[2];
                farthest = std::max(farthest, dx * dx + dy * dy + dz * dz);
            }
        }
        // A little more, for the float sums of the tree's position.
        double radius = std::sqrt(farthest) * (1 + 1e-5) + 1e-3;
        runs.push_back({(int)indexFirst, (int)(indexEnd - indexFirst),
                        Vector3D((float)mid[0], (float)mid[1], (float)mid[2]), radius});
    }
};

// Baked at start-up, where the game uploads every tree (and frees its
// arrays) one after the other. Each part's mesh gives its distinct corners
// once.
void ProceduralTree::bake() {
    if (baked) {
        return;
    }
    baked = true;
    Vector3D p = seedPosition;
    std::map<Mesh*, PartCorners> meshCorners;
    auto cornersOf = [&meshCorners](Mesh* mesh) -> const PartCorners& {
        auto found = meshCorners.find(mesh);
        if (found == meshCorners.end()) {
            found = meshCorners.emplace(mesh, PartCorners(mesh)).first;
        }
        return found->second;
    };
    size_t branchCorners = 0, branchIndices = 0, leafCorners = 0, leafIndices = 0;
    for (Internode& internode : internodes) {
        branchCorners += cornersOf(internode.getMesh()).corners.size();
        branchIndices += internode.countVertices();
    }
    for (Leaf& leaf : leaves) {
        leafCorners += cornersOf(leaf.getMesh()).corners.size();
        leafIndices += leaf.countVertices();
    }
    branchVertexBuffer.allocateIndexedArrays((int)branchCorners, (int)branchIndices);
    leafVertexBuffer.allocateIndexedArrays((int)leafCorners, (int)leafIndices);
    size_t corner = 0, index = 0;
    RunMaker branchRunMaker(branchVertexBuffer, branchRuns);
    for (Internode& internode : internodes) {
        internode.writeVertices(&branchVertexBuffer, cornersOf(internode.getMesh()), corner, index, p);
        branchRunMaker.partWritten(corner, index);
    }
    branchRunMaker.finish();
    corner = 0;
    index = 0;
    RunMaker leafRunMaker(leafVertexBuffer, leafRuns);
    for (Leaf& leaf : leaves) {
        leaf.writeVertices(&leafVertexBuffer, cornersOf(leaf.getMesh()), corner, index, p);
        leafRunMaker.partWritten(corner, index);
    }
    leafRunMaker.finish();
}

void ProceduralTree::setUpDrawing(Texture* texture) {
    glEnable(GL_LIGHTING);
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        texture->bindGLTexture();
    } else {
        glColor3f(color.getRed(), color.getGreen(), color.getBlue());
    }
}

void ProceduralTree::draw() { draw(nullptr); }

void ProceduralTree::draw(const ViewCull* cull) {
    bake();
    setUpDrawing(branchTexture);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    drawRuns(branchVertexBuffer, branchRuns, cull);
    glDisable(GL_TEXTURE_2D);

    setUpDrawing(leafTexture);
    drawRuns(leafVertexBuffer, leafRuns, cull);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

// Neighbouring runs that may show go out as one; all of them as the whole
// buffer, as without a cull.
void ProceduralTree::drawRuns(VertexBuffer& buffer, const std::vector<PartRun>& runs, const ViewCull* cull) {
    if (cull == nullptr) {
        buffer.drawVertexBuffer();
        return;
    }
    std::vector<int> firsts, counts;
    bool all = true;
    for (const PartRun& run : runs) {
        Vector3D offset = run.centre;
        Vector3D centre = position.add(&offset);
        if (!cull->sphereMayShow(centre, run.radius)) {
            all = false;
            continue;
        }
        if (!firsts.empty() && firsts.back() + counts.back() == run.first) {
            counts.back() += run.count;
        } else {
            firsts.push_back(run.first);
            counts.push_back(run.count);
        }
    }
    if (all) {
        buffer.drawVertexBuffer();
    } else {
        buffer.drawVertexRuns(firsts, counts);
    }
}

Mesh* ProceduralTree::getMeshForInternodeOrder(int order) {
    switch (order) {
        case 0:
            return order0Mesh;
        case 1:
            return order1Mesh;
        case 2:
            return order2Mesh;
        case 3:
            return order3Mesh;
        case 4:
        case 5:
            return order4To5Mesh;
        case 6:
        case 7:
        case 8:
        case 9:
            return order6To9Mesh;
        default:
            return nullptr;
    }
}

bool ProceduralTree::isHeightMap() { return false; }

float ProceduralTree::getDrawnRadius() {
    if (drawnRadius < 0.0f) {
        bake();
        drawnRadius = std::max(branchVertexBuffer.getExtent(), leafVertexBuffer.getExtent());
    }
    return drawnRadius;
}

void ProceduralTree::upload() {
    getDrawnRadius();
    branchVertexBuffer.upload();
    leafVertexBuffer.upload();
    std::vector<Internode>().swap(internodes);
    std::vector<Leaf>().swap(leaves);
    std::vector<Bud>().swap(buds);
}

std::vector<Internode>* ProceduralTree::getInternodes() { return &internodes; }

std::vector<Leaf>* ProceduralTree::getLeaves() { return &leaves; }

std::vector<Bud>* ProceduralTree::getBuds() { return &buds; }

VertexBuffer* ProceduralTree::getBranchVertexBuffer() {
    bake();
    return &branchVertexBuffer;
}

VertexBuffer* ProceduralTree::getLeafVertexBuffer() {
    bake();
    return &leafVertexBuffer;
}
