#ifndef PROCEDURALTREE_H
#define PROCEDURALTREE_H

#include <vector>

#include "Object/Object.h"
#include "Object/ProceduralTree/Bud/Bud.h"
#include "Object/ProceduralTree/Bud/Internode.h"
#include "Object/ProceduralTree/Bud/Leaf.h"
#include "PolygonColor/PolygonColor.h"
#include "VertexBuffer/VertexBuffer.h"

class Mesh;
class Polygon3D;
class Texture;
class ViewCull;

// A tree grown once from buds, then drawn as two vertex buffers (branches
// and leaves) holding coordinates relative to the tree's position. Growth
// draws from the one unseeded generator, so every run grows the same trees.
class ProceduralTree : public Object {
public:
    ProceduralTree(Mesh* leafMesh, Mesh* order0Mesh, Mesh* order1Mesh, Mesh* order2Mesh, Mesh* order3Mesh,
                   Mesh* order4To5Mesh, Mesh* order6To9Mesh);
    virtual ~ProceduralTree();

    // Grows the tree at position; once per tree. Its vertex arrays are
    // baked at the upload or the first draw or look at the buffers; the
    // buffers are kept.
    void seed(Vector3D position);
    void draw() override;
    // The same, leaving out the runs of parts wholly outside the cull (may
    // be null), read where the tree's position is in the model-view's
    // coordinates: the picture is the same.
    void draw(const ViewCull* cull);
    Mesh* getMeshForInternodeOrder(int order);
    bool isHeightMap();
    // How far from its position anything it draws can reach; measured once.
    float getDrawnRadius();
    // Bakes and uploads now rather than at the first draw, then gives back
    // the grown parts, which only baking needs: the lists are empty after.
    void upload();

    std::vector<Internode>* getInternodes();
    std::vector<Leaf>* getLeaves();
    std::vector<Bud>* getBuds();
    VertexBuffer* getBranchVertexBuffer();
    VertexBuffer* getLeafVertexBuffer();

private:
    std::vector<Internode> internodes;
    std::vector<Bud> buds;
    std::vector<Leaf> leaves;
    Mesh* leafMesh;
    Mesh* order1Mesh;
    Mesh* order2Mesh;
    Mesh* order3Mesh;
    Mesh* order4To5Mesh;
    Mesh* order6To9Mesh;
    Mesh* order0Mesh;
    // Every branch wears the trunk's texture.
    Texture* branchTexture;
    Texture* leafTexture;
    // For a part without a texture.
    PolygonColor color;
    VertexBuffer leafVertexBuffer;
    VertexBuffer branchVertexBuffer;

    // A run of consecutive parts in a buffer: its triangle corners, and a
    // sphere about a point relative to the tree that holds them all.
    struct PartRun {
        int first, count;
        Vector3D centre;
        double radius;
    };
    std::vector<PartRun> branchRuns, leafRuns;
    class RunMaker;

    // Where seed grew the tree: the baked coordinates are relative to it.
    Vector3D seedPosition;
    bool baked = false;
    float drawnRadius = -1.0f;

    void bake();
    void setUpDrawing(Texture* texture);
    void drawRuns(VertexBuffer& buffer, const std::vector<PartRun>& runs, const ViewCull* cull);

    ProceduralTree(const ProceduralTree&) = delete;
    ProceduralTree& operator=(const ProceduralTree&) = delete;
};

#endif
