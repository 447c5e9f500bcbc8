#include "Object/ProceduralTree/ProceduralTree.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <utility>

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
    bake();
}

// Baked once the tree has grown, at start-up: the first sight of an island
// then costs no more than uploading its trees. Each part's mesh gives its
// distinct corners once.
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
    for (Internode& internode : internodes) {
        internode.writeVertices(&branchVertexBuffer, cornersOf(internode.getMesh()), corner, index, p);
    }
    corner = 0;
    index = 0;
    for (Leaf& leaf : leaves) {
        leaf.writeVertices(&leafVertexBuffer, cornersOf(leaf.getMesh()), corner, index, p);
    }
}

void ProceduralTree::draw() {
    bake();
    glEnable(GL_LIGHTING);
    if (branchTexture) {
        glEnable(GL_TEXTURE_2D);
        branchTexture->bindGLTexture();
    } else {
        glColor3f(color.getRed(), color.getGreen(), color.getBlue());
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    branchVertexBuffer.drawVertexBuffer();
    glDisable(GL_TEXTURE_2D);

    glEnable(GL_LIGHTING);
    if (leafTexture) {
        glEnable(GL_TEXTURE_2D);
        leafTexture->bindGLTexture();
    } else {
        glColor3f(color.getRed(), color.getGreen(), color.getBlue());
    }
    leafVertexBuffer.drawVertexBuffer();
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
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

void ProceduralTree::releaseBuffers() {
    branchVertexBuffer.release();
    leafVertexBuffer.release();
    baked = false;
}

bool ProceduralTree::isBaked() const { return baked; }

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
