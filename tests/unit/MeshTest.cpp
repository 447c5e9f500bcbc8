// Meshes from OBJ files and the arrays of their vertex buffers, before any
// OpenGL context exists.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Controller/Controller.h"
#include "FrameBuffer/FrameBuffer.h"
#include "OpenGL/GLContext.h"
#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "Shader/Shader.h"
#include "Texture/Texture.h"
#include "support/Fixtures.h"

namespace {

Polygon3D* triangle(float x, bool withTexCoords) {
    Polygon3D* polygon = new Polygon3D();
    for (int k = 0; k < 3; ++k) {
        Vector3D position(x + k, 10 * x, -x);
        Vector3D normal(0, 0, 1);
        if (withTexCoords) {
            polygon->addVertex(new Vertex(position, normal, Vector3D(0.25f * k, 0.5f, 0.9f)));
        } else {
            polygon->addVertex(new Vertex(position, normal));
        }
    }
    return polygon;
}

class ObjToMesh : public ::testing::Test {
protected:
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};

    Mesh* convert(const std::string& text) {
        folder.writeText("model.obj", text);
        return Controller::loadObj("model.obj");
    }
};

TEST_F(ObjToMesh, FacesThatNameNoVertexAddNoTriangle) {
    // Ten vertices, two texture coordinates, two normals.
    std::string items;
    for (int i = 0; i < 10; ++i) items += "v " + std::to_string(i) + " 0 0\n";
    items += "vt 0.1 0.2 0\nvt 0.3 0.4 0\nvn 0 0 1\nvn 1 0 0\n";
    struct Case {
        const char* line;
        bool kept;
    } cases[] = {
        {"f 1 2 3", true},       {"f 0 1 2", false},      {"f 1 2 99", false}, {"f 1 2 11", false},
        {"f 1 2 10", true},      {"f -20 -1 -2", false},  {"f -10 -1 -2", true}, {"f 1 2", false},
        {"f", false},            {"f 1 2 3 4 5 6", true}, {"f 1/3 2/1 3/1", true}, {"f 1//3 2//9 3//-5", true},
        {"f 99/1/1 1/1/1 2/1/1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Mesh* mesh = convert(items + c.line + "\n");
        EXPECT_EQ(mesh->getPolygons().size(), c.kept ? 1u : 0u);
        EXPECT_EQ(mesh->vertexBuffer.numberOfVertices, c.kept ? 3 : 0);
        objLoader::deleteMesh(mesh);
    }

    // Out-of-range texture coordinates and normals count as absent.
    Mesh* mesh = convert(items + "f 1/3 2/1 3/1\nf 1//3 2//9 3//-5\n");
    ASSERT_EQ(mesh->getPolygons().size(), 2u);
    std::vector<Vertex*>* first = mesh->getPolygon(0)->getVertices();
    EXPECT_FALSE(first->at(0)->hasTextureCoord());
    ASSERT_TRUE(first->at(1)->hasTextureCoord());
    EXPECT_FLOAT_EQ(first->at(1)->getTextureCoord().x, 0.1f);
    for (Vertex* vertex : *mesh->getPolygon(1)->getVertices()) {
        EXPECT_FLOAT_EQ(vertex->getNormal().y, 1);  // nothing valid was read: still (0, 1, 0)
    }
    objLoader::deleteMesh(mesh);
}

TEST_F(ObjToMesh, QuadsAndLargerFacesKeepTheirFirstThreeCorners) {
    Mesh* mesh = convert("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 5 5 5\nf 1 2 3 4\nf 4 3 2 1 5\n");
    ASSERT_EQ(mesh->getPolygons().size(), 2u);
    float quad[3][2] = {{0, 0}, {1, 0}, {1, 1}};
    float pentagon[3][2] = {{0, 1}, {1, 1}, {1, 0}};
    for (int k = 0; k < 3; ++k) {
        Vector3D a = mesh->getPolygon(0)->getPoint(k);
        Vector3D b = mesh->getPolygon(1)->getPoint(k);
        EXPECT_FLOAT_EQ(a.x, quad[k][0]);
        EXPECT_FLOAT_EQ(a.y, quad[k][1]);
        EXPECT_FLOAT_EQ(b.x, pentagon[k][0]);
        EXPECT_FLOAT_EQ(b.y, pentagon[k][1]);
    }
    EXPECT_EQ(mesh->getPolygon(0)->getVertices()->size(), 3u);
    objLoader::deleteMesh(mesh);
}

TEST_F(ObjToMesh, NormalsCarryOverAndTextureCoordinatesStayAsStored) {
    Mesh* mesh = convert(
        "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
        "vt 0.25 0.75 0.5\nvn 0 0 5\nvn 3 4 0\n"
        "f 1 2 3\n"          // before any normal: (0, 1, 0)
        "f 1/1/1 2/1 3\n"    // (0, 0, 1) from the first corner on
        "f 1//2 2 3\n"       // unit length: (0.6, 0.8, 0)
        "f 1 2 3\n");        // carried over from the face before
    ASSERT_EQ(mesh->getPolygons().size(), 4u);
    float normals[4][3] = {{0, 1, 0}, {0, 0, 1}, {0.6f, 0.8f, 0}, {0.6f, 0.8f, 0}};
    for (int f = 0; f < 4; ++f) {
        for (Vertex* vertex : *mesh->getPolygon(f)->getVertices()) {
            Vector3D n = vertex->getNormal();
            EXPECT_FLOAT_EQ(n.x, normals[f][0]) << "face " << f;
            EXPECT_FLOAT_EQ(n.y, normals[f][1]) << "face " << f;
            EXPECT_FLOAT_EQ(n.z, normals[f][2]) << "face " << f;
        }
    }
    std::vector<Vertex*>* textured = mesh->getPolygon(1)->getVertices();
    ASSERT_TRUE(textured->at(0)->hasTextureCoord());
    ASSERT_TRUE(textured->at(1)->hasTextureCoord());
    EXPECT_FALSE(textured->at(2)->hasTextureCoord());
    Vector3D uv = textured->at(1)->getTextureCoord();
    EXPECT_FLOAT_EQ(uv.x, 0.25f);
    EXPECT_FLOAT_EQ(uv.y, 0.75f);  // not flipped
    EXPECT_FLOAT_EQ(uv.z, 0.5f);

    // The buffer is compiled from the triangles, (0, 0) where a corner has none.
    VertexBuffer& buffer = mesh->vertexBuffer;
    ASSERT_TRUE(buffer.arraysLoaded);
    ASSERT_EQ(buffer.numberOfVertices, 12);
    EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * 3], 0.25f);  // face 1, corner 0
    EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * 4 + 1], 0.75f);
    EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * 5], 0);  // face 1, corner 2: none
    EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * 5 + 1], 0);
    EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * 0], 0);
    objLoader::deleteMesh(mesh);
}

TEST_F(ObjToMesh, MissingFileGivesAnEmptyMesh) {
    testing::internal::CaptureStderr();
    Mesh* mesh = Controller::loadObj("ObjFiles/missing.obj");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error reading file: ObjFiles/missing.obj\n");
    EXPECT_TRUE(mesh->getPolygons().empty());
    EXPECT_TRUE(mesh->vertexBuffer.arraysLoaded);
    EXPECT_EQ(mesh->vertexBuffer.numberOfVertices, 0);
    EXPECT_TRUE(mesh->isEnabledToDraw());
    EXPECT_EQ(mesh->getTexture(), nullptr);
    objLoader::deleteMesh(mesh);
}

TEST_F(ObjToMesh, SceneObjectHasUpNormalsAndNoTextureCoordinates) {
    folder.writeText("model.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1 1 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\nf 1 2 7\n");
    objLoader loader;
    ASSERT_EQ(loader.load("model.obj"), 1);
    Mesh* mesh = loader.getSceneObject();
    ASSERT_EQ(mesh->getPolygons().size(), 1u);
    for (Vertex* vertex : *mesh->getPolygon(0)->getVertices()) {
        EXPECT_FALSE(vertex->hasTextureCoord());
        EXPECT_FLOAT_EQ(vertex->getNormal().y, 1);
    }
    objLoader::deleteMesh(mesh);
}

TEST_F(ObjToMesh, SceneObjectStopsOnACornerWithoutNormalOrTextureCoordinate) {
    const std::string items = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1 1 0\nvn 0 0 1\n";
    struct Case {
        const char* face;
        const char* assertion;
    } cases[] = {
        {"f 1/1/1 2/1 3/1/1", "currNorm"},   // the second corner has none
        {"f 1/1/1 2/1/1 3/1/4", "currNorm"},  // one that names nothing
        {"f 1//1 2/1/1 3/1/1", "currTex"},
        {"f 1/1/1 2/1/1 3/0/1", "currTex"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        folder.writeText("model.obj", items + "f 1/1/1 2/1/1 3/1/1\n" + c.face + "\n");
        objLoader loader;
        ASSERT_EQ(loader.load("model.obj"), 1);
        EXPECT_DEATH(loader.getSceneObject(), c.assertion);
    }
}

TEST(VertexBuffer, ArraysSkipNullPolygonsAndKeepListOrder) {
    std::vector<Polygon3D*> polygons = {triangle(1, true), nullptr, triangle(2, false), nullptr};
    VertexBuffer buffer;
    buffer.setPolygons(&polygons);
    ASSERT_TRUE(buffer.arraysLoaded);
    EXPECT_FALSE(buffer.vboLoaded);
    ASSERT_EQ(buffer.numberOfVertices, 6);
    for (int i = 0; i < 6; ++i) {
        float x = i < 3 ? 1 : 2;
        int k = i % 3;
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(buffer.vertexArray[3 * i], x + k);
        EXPECT_FLOAT_EQ(buffer.vertexArray[3 * i + 1], 10 * x);
        EXPECT_FLOAT_EQ(buffer.vertexArray[3 * i + 2], -x);
        EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * i], i < 3 ? 0.25f * k : 0);
        EXPECT_FLOAT_EQ(buffer.texCoordArray[2 * i + 1], i < 3 ? 0.5f : 0);
        EXPECT_FLOAT_EQ(buffer.normalArray[3 * i + 2], 1);
    }
    for (Polygon3D* polygon : polygons) delete polygon;
}

TEST(VertexBuffer, NeverDrawnObjectsTouchNoOpenGL) {
    // With the context marked alive, a stray delete would call through an
    // entry point that was never loaded.
    GLContext::setAlive(true);
    {
        std::vector<Polygon3D*> polygons = {triangle(0, true)};
        VertexBuffer buffer(&polygons);
        Mesh mesh;
        mesh.addPolygon(polygons[0]);
        mesh.compile();
        Texture texture("Textures/never.bmp");
        FrameBuffer target;
        Shader shader;
        delete polygons[0];
    }
    GLContext::setAlive(false);
}

TEST(Mesh, StartsEnabledWhiteUntexturedEmptyAndUnplaced) {
    Mesh mesh;
    EXPECT_TRUE(mesh.isEnabledToDraw());
    EXPECT_EQ(mesh.getTexture(), nullptr);
    EXPECT_TRUE(mesh.getPolygons().empty());
    EXPECT_FLOAT_EQ(mesh.color.red, 1);
    EXPECT_FLOAT_EQ(mesh.color.green, 1);
    EXPECT_FLOAT_EQ(mesh.color.blue, 1);
    for (Vector3D* v : {&mesh.position, &mesh.rotation, &mesh.scale}) {
        EXPECT_TRUE(v->isEmpty());
    }
}

TEST(Mesh, CompileTakesThePolygonsAddedSoFar) {
    Mesh mesh;
    Polygon3D* first = triangle(0, true);
    Polygon3D* late = triangle(1, true);
    mesh.addPolygon(first);
    mesh.compile();
    mesh.addPolygon(late);
    EXPECT_EQ(mesh.vertexBuffer.numberOfVertices, 3);
    EXPECT_EQ(mesh.getPolygons().size(), 2u);

    std::vector<Polygon3D*> copy = mesh.getPolygons();
    copy.clear();
    EXPECT_EQ(mesh.getPolygon(1), late);
    EXPECT_THROW(mesh.getPolygon(2), std::out_of_range);
    EXPECT_THROW(mesh.getPolygon(-1), std::out_of_range);
    EXPECT_FALSE(mesh.isHeightMap());
    delete first;
    delete late;
}

}  // namespace
