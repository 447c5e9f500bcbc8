#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ContactSheet.h"
#include "PictureList.h"
#include "TerrainLayout.h"

// One PNG of every picture of the pack, to look the whole set over at a
// glance: contact-pictures.png in the build folder.
TEST(PictureContactSheet, IsWrittenForAllPictures) {
    std::vector<std::string> paths;
    for (const ExpectedPicture& expected : allPictures()) paths.push_back(expected.path);
    for (const IslandFiles& island : islandFiles)
        if (std::filesystem::exists(assetPath(island.miniMap))) paths.push_back(island.miniMap);

    std::string sheet = contactSheetPath("contact-pictures.png");
    std::filesystem::remove(sheet);
    std::string command = "montage -font DejaVu-Sans -pointsize 10 -fill white -background '#303030'";
    // Each label is set inside its own parentheses: a -label before every
    // file makes montage's time grow with the square of their number.
    for (const std::string& path : paths) {
        std::string label = path.rfind("Textures/", 0) == 0 ? path.substr(9) : path;
        command += " \\( '" + assetPath(path) + "' -set label '" + label + "' \\)";
    }
    command += " -tile 10x -geometry 150x112+6+6 -depth 8 '" + sheet + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command.substr(0, 200);
    EXPECT_TRUE(std::filesystem::exists(sheet));
    EXPECT_GT(std::filesystem::file_size(sheet), 100000u);
}
