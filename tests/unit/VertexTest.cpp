#include <gtest/gtest.h>

#include "PolygonColor/PolygonColor.h"
#include "Vertex/Vertex.h"

TEST(Vertex, OwnsOnlyItsLatestTextureCoordinate) {
    Vertex vertex(Vector3D(1, 2, 3), Vector3D(0, 1, 0), Vector3D(0.25f, 0.75f, 0));
    Vector3D replacement(0.5f, 0.5f, 0);
    vertex.setTextureCoord(replacement);
    EXPECT_NE(vertex.textureCoord, &replacement);
    EXPECT_FLOAT_EQ(vertex.getTextureCoord().x, 0.5f);
}

TEST(Vertex, CopyIsDeep) {
    Vertex with(Vector3D(1, 2, 3), Vector3D(0, 0, 1), Vector3D(0.1f, 0.2f, 0));
    Vertex copy(&with);
    ASSERT_TRUE(copy.hasTextureCoord());
    EXPECT_NE(copy.textureCoord, with.textureCoord);
    EXPECT_FLOAT_EQ(copy.getTextureCoord().y, 0.2f);
    EXPECT_FLOAT_EQ(copy.getPosition().z, 3);

    Vertex without(Vector3D(1, 2, 3), Vector3D(0, 0, 1));
    Vertex copyWithout(&without);
    EXPECT_FALSE(copyWithout.hasTextureCoord());
    EXPECT_FALSE(Vertex().hasTextureCoord());
}

TEST(PolygonColor, StartsWhite) {
    PolygonColor colour;
    EXPECT_EQ(colour.getRed(), 1.0f);
    EXPECT_EQ(colour.getGreen(), 1.0f);
    EXPECT_EQ(colour.getBlue(), 1.0f);
    colour.setGreen(0.5f);
    EXPECT_EQ(colour.getGreen(), 0.5f);
}
