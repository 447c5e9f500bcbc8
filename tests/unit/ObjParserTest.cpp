// The OBJ and MTL reader: statements, corner forms, materials, and what it
// does with truncated, over-long, out-of-range or junk input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ObjLoader/list.h"
#include "ObjLoader/objLoader.h"
#include "support/Fixtures.h"

namespace {

// Ten vertices, ten texture coordinates and ten normals.
std::string tenOfEach() {
    std::string text;
    for (const char* keyword : {"v", "vt", "vn"}) {
        for (int i = 0; i < 10; ++i) text += std::string(keyword) + " " + std::to_string(i) + " 0 0\n";
    }
    return text;
}

class ObjParser : public ::testing::Test {
protected:
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};

    int load(objLoader& loader, const std::string& text, const char* name = "scene.obj") {
        folder.writeText(name, text);
        return loader.load(name);
    }

    // What loading printed on standard output.
    std::string loadCapturingStdout(objLoader& loader, const std::string& text) {
        testing::internal::CaptureStdout();
        load(loader, text);
        fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    std::string loadCapturingStderr(objLoader& loader, const std::string& text) {
        testing::internal::CaptureStderr();
        load(loader, text);
        fflush(stderr);
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(ObjParser, FaceCornerForms) {
    struct Case {
        const char* line;
        int corners;
        int v[4], t[4], n[4];
    } cases[] = {
        {"f 1 2 3", 3, {0, 1, 2, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"f 1/4/7 2/5/8 3/6/9", 3, {0, 1, 2, -1}, {3, 4, 5, -1}, {6, 7, 8, -1}},
        {"f 1//7 2//8 3//9", 3, {0, 1, 2, -1}, {-1, -1, -1, -1}, {6, 7, 8, -1}},
        {"f 1/4 2/5 3/6", 3, {0, 1, 2, -1}, {3, 4, 5, -1}, {-1, -1, -1, -1}},
        {"f -1 -2 -3", 3, {9, 8, 7, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"f -1/-1/-1 -10/-10/-10 1/1/1", 3, {9, 0, 0, -1}, {9, 0, 0, -1}, {9, 0, 0, -1}},
        {"f 1 2 3 4", 4, {0, 1, 2, 3}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        // The record holds four corners; the rest of the line is dropped.
        {"f 1/1 2/2 3/3 4/4 5/5 6/6 7/7", 4, {0, 1, 2, 3}, {0, 1, 2, 3}, {-1, -1, -1, -1}},
        // Unused slots are defined, not left over from the allocator.
        {"f 1 2", 2, {0, 1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"f", 0, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"f 1/2/3/4/5 2 3", 3, {0, 1, 2, -1}, {1, -1, -1, -1}, {2, -1, -1, -1}},
        {"f x/y/z 2 3", 3, {-1, 1, 2, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"f\t1\t2\t3\r", 3, {0, 1, 2, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        objLoader loader;
        ASSERT_EQ(load(loader, tenOfEach() + c.line + "\n"), 1);
        ASSERT_EQ(loader.sceneFaceCount, 1);
        obj_face* face = loader.sceneFaces[0];
        EXPECT_EQ(face->corner_count, c.corners);
        EXPECT_EQ(face->material_id, -1);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(face->vertex_indices[i], c.v[i]) << "corner " << i;
            EXPECT_EQ(face->texcoord_indices[i], c.t[i]) << "corner " << i;
            EXPECT_EQ(face->normal_indices[i], c.n[i]) << "corner " << i;
        }
    }
}

TEST_F(ObjParser, NegativeIndicesCountTheItemsReadSoFar) {
    objLoader loader;
    load(loader, "v 0 0 0\nv 1 0 0\nv 2 0 0\nf -1 -2 -3\nv 3 0 0\nv 4 0 0\nf -1 -2 -3\n");
    ASSERT_EQ(loader.sceneFaceCount, 2);
    EXPECT_EQ(loader.sceneFaces[0]->vertex_indices[0], 2);
    EXPECT_EQ(loader.sceneFaces[1]->vertex_indices[0], 4);
    EXPECT_EQ(loader.sceneFaces[1]->vertex_indices[2], 2);
    EXPECT_EQ(loader.sceneVertexCount, 5);
    EXPECT_DOUBLE_EQ(loader.sceneVertices[4]->e[0], 4);
}

TEST_F(ObjParser, IgnoredAndUnknownStatements) {
    struct Case {
        const char* line;
        const char* printed;
    } cases[] = {
        {"# a comment", ""},
        {"#comment without a blank", ""},
        {"   \t ", ""},
        {"o thing", ""},
        {"s 1", ""},
        {"g group", ""},
        {"p 1 2", ""},
        {"vp 1 2", "Unknown command 'vp' in scene code at line 1: \"vp\".\n"},
        {"V 1 2 3", "Unknown command 'V' in scene code at line 1: \"V\".\n"},
        {"  fo 1 2 3", "Unknown command 'fo' in scene code at line 1: \"  fo\".\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        objLoader loader;
        EXPECT_EQ(loadCapturingStdout(loader, std::string(c.line) + "\n"), c.printed);
        EXPECT_EQ(loader.sceneVertexCount + loader.sceneFaceCount + loader.sceneSphereCount, 0);
    }
}

TEST_F(ObjParser, SceneStatementsAreKeptWithTheirIndices) {
    objLoader loader;
    std::string printed = loadCapturingStdout(loader, tenOfEach() +
                                                          "sp 1/2 3 4\n"
                                                          "pl 2/3 4 5\n"
                                                          "lp 6\n"
                                                          "ld 1 3\n"
                                                          "lq 1 2 3 4\n"
                                                          "c 1 2 3\n"
                                                          "c 4 5 6\n"
                                                          // Parts these records have no slot for.
                                                          "sp 1//2 3 4\n"
                                                          "lq 1/2 3/4 5 6 7 8\n"
                                                          "c 1/2/3 4 5\n"
                                                          "ld 1/2 3//4\n");
    EXPECT_EQ(printed, "");
    ASSERT_EQ(loader.sceneSphereCount, 2);
    EXPECT_EQ(loader.sceneSpheres[0]->pos_index, 0);
    EXPECT_EQ(loader.sceneSpheres[0]->texture_index[0], 1);
    EXPECT_EQ(loader.sceneSpheres[0]->up_normal_index, 2);
    EXPECT_EQ(loader.sceneSpheres[0]->equator_normal_index, 3);
    EXPECT_EQ(loader.sceneSpheres[1]->texture_index[0], -1);
    EXPECT_EQ(loader.sceneSpheres[1]->up_normal_index, 2);
    ASSERT_EQ(loader.scenePlaneCount, 1);
    EXPECT_EQ(loader.scenePlanes[0]->normal_index, 3);
    EXPECT_EQ(loader.scenePlanes[0]->rotation_normal_index, 4);
    ASSERT_EQ(loader.sceneLightPointCount, 1);
    EXPECT_EQ(loader.sceneLightPoints[0]->pos_index, 5);
    ASSERT_EQ(loader.sceneLightDiscCount, 2);
    EXPECT_EQ(loader.sceneLightDiscs[1]->pos_index, 0);
    EXPECT_EQ(loader.sceneLightDiscs[1]->normal_index, 2);
    ASSERT_EQ(loader.sceneLightQuadCount, 2);
    int quad[4] = {0, 2, 4, 5};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(loader.sceneLightQuads[1]->vertex_index[i], quad[i]);
    // The last camera replaces the earlier ones.
    ASSERT_NE(loader.sceneCamera, nullptr);
    EXPECT_EQ(loader.sceneCamera->camera_pos_index, 0);
    EXPECT_EQ(loader.sceneCamera->camera_look_point_index, 3);
    EXPECT_EQ(loader.sceneCamera->camera_up_norm_index, 4);
}

TEST_F(ObjParser, MaterialsAreFoundByNamePrefixFromTheWorkingDirectory) {
    folder.writeText("lib/materials.mtl",
                     "# comment\n"
                     "// also a comment\n"
                     "#not a comment\n"
                     "Ka 1 1 1\n"
                     "newmtl wood\n"
                     "Ka 0.1 0.2 0.3\n"
                     "Kd 0.4 0.5 0.6\n"
                     "Ks 0.7 0.8 0.9\n"
                     "Ns 10\n"
                     "d 0.5\n"
                     "r 0.25\n"
                     "sharpness 60\n"
                     "Ni 1.5\n"
                     "illum 2\n"
                     "map_Ka wood.bmp\n"
                     "bogus 1\n"
                     "newmtl woodland\n"
                     "newmtl stone\n");
    objLoader loader;
    testing::internal::CaptureStderr();
    load(loader,
         "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
         "usemtl wood\nf 1 2 3\n"
         "mtllib lib/materials.mtl\n"
         "usemtl wood\nf 1 2 3\n"
         "usemtl stone\nf 1 2 3\n"
         "usemtl woodl\nf 1 2 3\n"
         "usemtl marble\nf 1 2 3\n",
         "models/scene.obj");
    fflush(stderr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unknown command '#not' in material file lib/materials.mtl at line 3:\n\t#not\n"
              "Unknown command 'Ka' in material file lib/materials.mtl at line 4:\n\tKa\n"
              "Unknown command 'bogus' in material file lib/materials.mtl at line 16:\n\tbogus\n");

    ASSERT_EQ(loader.sceneFaceCount, 5);
    int expected[] = {-1, 0, 2, 1, -1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(loader.sceneFaces[i]->material_id, expected[i]) << "face " << i;

    ASSERT_EQ(loader.sceneMaterialCount, 3);
    obj_material* wood = loader.sceneMaterials[0];
    EXPECT_STREQ(wood->name, "wood\n");  // names keep their line ending
    EXPECT_STREQ(wood->texture_filename, "wood.bmp\n");
    double wanted[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(wood->amb[i], wanted[i]);
        EXPECT_DOUBLE_EQ(wood->diff[i], wanted[3 + i]);
        EXPECT_DOUBLE_EQ(wood->spec[i], wanted[6 + i]);
    }
    EXPECT_DOUBLE_EQ(wood->shiny, 10);
    EXPECT_DOUBLE_EQ(wood->trans, 0.5);
    EXPECT_DOUBLE_EQ(wood->reflect, 0.25);
    EXPECT_DOUBLE_EQ(wood->glossy, 60);
    EXPECT_DOUBLE_EQ(wood->refract_index, 1.5);

    obj_material* fresh = loader.sceneMaterials[1];
    EXPECT_STREQ(fresh->texture_filename, "");
    EXPECT_DOUBLE_EQ(fresh->amb[0], 0.2);
    EXPECT_DOUBLE_EQ(fresh->diff[1], 0.8);
    EXPECT_DOUBLE_EQ(fresh->spec[2], 1.0);
    EXPECT_DOUBLE_EQ(fresh->reflect, 0.0);
    EXPECT_DOUBLE_EQ(fresh->trans, 1.0);
    EXPECT_DOUBLE_EQ(fresh->shiny, 0.0);
    EXPECT_DOUBLE_EQ(fresh->glossy, 98.0);
    EXPECT_DOUBLE_EQ(fresh->refract_index, 1.0);
}

TEST_F(ObjParser, ASecondLibraryReplacesTheFirstAndAMissingOneKeepsIt) {
    folder.writeText("a.mtl", "newmtl first\nnewmtl second\n");
    folder.writeText("b.mtl", "newmtl third\n");
    objLoader loader;
    std::string complaints = loadCapturingStderr(loader,
                                                 "mtllib a.mtl\nmtllib b.mtl\nmtllib missing.mtl\n"
                                                 "v 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl third\nf 1 2 3\n");
    EXPECT_EQ(complaints, "Error reading file: missing.mtl\n");
    ASSERT_EQ(loader.sceneMaterialCount, 1);
    EXPECT_STREQ(loader.sceneMaterials[0]->name, "third\n");
    ASSERT_EQ(loader.sceneFaceCount, 1);
    EXPECT_EQ(loader.sceneFaces[0]->material_id, 0);
}

TEST_F(ObjParser, LongMaterialNamesAreCutAndTerminated) {
    std::string name(300, 'n');
    folder.writeText("long.mtl", "newmtl " + name + "\nnewmtl other\n");
    objLoader loader;
    load(loader, "mtllib long.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl " + name.substr(0, 100) + "\nf 1 2 3\n");
    ASSERT_EQ(loader.sceneMaterialCount, 2);
    EXPECT_EQ(strlen(loader.sceneMaterials[0]->name), (size_t)MATERIAL_NAME_SIZE - 1);
    EXPECT_EQ(loader.sceneFaces[0]->material_id, 0);
}

TEST_F(ObjParser, MissingOperandsReadAsZeroOrAreIgnored) {
    folder.writeText("short.mtl", "newmtl\nnewmtl m\nKa 1\nKd\nNs\nmap_Ka\n");
    objLoader loader;
    std::string printed = loadCapturingStdout(loader, "v 1 2\nv\nvn 0 1\nvt 0.5\nusemtl\nmtllib\nmtllib short.mtl\nf\n");
    EXPECT_EQ(printed, "");
    ASSERT_EQ(loader.sceneVertexCount, 2);
    EXPECT_DOUBLE_EQ(loader.sceneVertices[0]->e[1], 2);
    EXPECT_DOUBLE_EQ(loader.sceneVertices[0]->e[2], 0);
    EXPECT_DOUBLE_EQ(loader.sceneVertices[1]->e[0], 0);
    ASSERT_EQ(loader.sceneNormalCount, 1);
    EXPECT_DOUBLE_EQ(loader.sceneNormals[0]->e[1], 1);
    ASSERT_EQ(loader.sceneTexCoordCount, 1);
    EXPECT_DOUBLE_EQ(loader.sceneTexCoords[0]->e[0], 0.5);
    ASSERT_EQ(loader.sceneFaceCount, 1);
    EXPECT_EQ(loader.sceneFaces[0]->corner_count, 0);
    // The nameless material is skipped; the named one takes what is there.
    ASSERT_EQ(loader.sceneMaterialCount, 1);
    EXPECT_DOUBLE_EQ(loader.sceneMaterials[0]->amb[0], 1);
    EXPECT_DOUBLE_EQ(loader.sceneMaterials[0]->amb[1], 0);
    EXPECT_DOUBLE_EQ(loader.sceneMaterials[0]->diff[0], 0);
    EXPECT_STREQ(loader.sceneMaterials[0]->texture_filename, "");
}

TEST_F(ObjParser, MissingEmptyAndJunkFiles) {
    {
        objLoader loader;
        testing::internal::CaptureStderr();
        EXPECT_EQ(loader.load("nothere.obj"), 0);
        // A folder or a device is no mesh file either.
        EXPECT_EQ(loader.load("."), 0);
        EXPECT_EQ(loader.load("/dev/zero"), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Error reading file: nothere.obj\nError reading file: .\nError reading file: /dev/zero\n");
        EXPECT_EQ(loader.sceneFaceCount, 0);
        EXPECT_EQ(loader.sceneFaces, nullptr);
    }
    {
        objLoader loader;
        EXPECT_EQ(load(loader, ""), 1);
        EXPECT_EQ(loader.sceneVertexCount + loader.sceneFaceCount + loader.sceneMaterialCount, 0);
        EXPECT_EQ(loader.sceneCamera, nullptr);
    }
    {
        std::vector<uint8_t> junk;
        for (int i = 0; i < 5000; ++i) junk.push_back((uint8_t)((i * 7919) % 256));
        folder.writeBytes("junk.obj", junk);
        objLoader loader;
        testing::internal::CaptureStdout();
        EXPECT_EQ(loader.load("junk.obj"), 1);
        testing::internal::GetCapturedStdout();
    }
}

TEST_F(ObjParser, OverLongLinesAreReadInPieces) {
    // 1 + 997 + line feed: pieces of 499, 499 and an empty one.
    std::string text = "#" + std::string(997, 'a') + "\nv 1 2 3\nzz\n";
    objLoader loader;
    std::string printed = loadCapturingStdout(loader, text);
    std::string piece(499, 'a');
    EXPECT_EQ(printed, "Unknown command '" + piece + "' in scene code at line 2: \"" + piece +
                           "\".\n"
                           "Unknown command 'zz' in scene code at line 5: \"zz\".\n");
    EXPECT_EQ(loader.sceneVertexCount, 1);
}

TEST(ObjList, GrowsByDoublingAndKeepsOrder) {
    list items;
    list_make(&items, 10, 1);
    int values[11];
    char name[24] = "item-xx";
    for (int i = 0; i < 11; ++i) {
        snprintf(name, sizeof name, "item-%02d", i);
        EXPECT_EQ(list_add_item(&items, &values[i], name), i);
    }
    EXPECT_EQ(items.item_count, 11);
    EXPECT_EQ(items.current_max_size, 20);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(list_get_index(&items, i), &values[i]);
        EXPECT_NE(items.names[i], name);
    }
    EXPECT_STREQ(items.names[10], "item-10");
    EXPECT_EQ(list_get_index(&items, 11), nullptr);
    EXPECT_EQ(list_get_index(&items, -1), nullptr);
    list_free(&items);

    list fixed;
    list_make(&fixed, 2, 0);
    EXPECT_EQ(list_add_item(&fixed, &values[0], nullptr), 0);
    EXPECT_EQ(list_add_item(&fixed, &values[1], nullptr), 1);
    EXPECT_TRUE(list_is_full(&fixed));
    EXPECT_EQ(list_add_item(&fixed, &values[2], nullptr), -1);
    EXPECT_EQ(list_find(&fixed, "x"), -1);  // null names never match
    list_free(&fixed);
}

TEST(ObjList, FindAndDeleteByNamePrefix) {
    list items;
    list_make(&items, 4, 1);
    int a, b, c, d;
    list_add_item(&items, &a, "stone");
    list_add_item(&items, &b, "wood\n");
    list_add_item(&items, &c, "woodland");
    list_add_item(&items, &d, "stone");
    EXPECT_EQ(list_find(&items, "wood"), 1);
    EXPECT_EQ(list_find(&items, "woodl"), 2);
    EXPECT_EQ(list_get_name(&items, "sto"), &a);
    EXPECT_EQ(list_find(&items, "marble"), -1);
    EXPECT_EQ(list_get_item(&items, &c), &c);

    list_delete_name(&items, "wood");  // every entry with the prefix
    ASSERT_EQ(items.item_count, 2);
    EXPECT_EQ(items.items[0], &a);
    EXPECT_EQ(items.items[1], &d);
    list_add_item(&items, &b, "b");
    list_delete_index(&items, 0);
    list_delete_index(&items, 7);  // no such entry: nothing happens
    ASSERT_EQ(items.item_count, 2);
    EXPECT_EQ(items.items[0], &d);
    EXPECT_EQ(items.items[1], &b);
    list_delete_item(&items, &d);
    ASSERT_EQ(items.item_count, 1);
    EXPECT_STREQ(items.names[0], "b");
    list_delete_all(&items);
    EXPECT_EQ(items.item_count, 0);
    list_free(&items);
}

}  // namespace
