// The generator must write the same pack every time: two fresh runs give
// the same files, byte for byte. The set-up test's run is the first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "AssetPack.h"

namespace {

std::map<std::string, std::string> readPack(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[std::filesystem::relative(entry.path(), root).string()] =
            std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return files;
}

std::string freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavir-pack-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    return made ? std::string(made) : std::string();
}

TEST(PackDeterminism, TwoRunsWriteIdenticalFiles) {
    const char* generator = std::getenv("ASSETGEN_BIN");
    ASSERT_NE(generator, nullptr) << "ASSETGEN_BIN is not set";
    std::string second = freshFolder();
    ASSERT_FALSE(second.empty());
    std::string command = std::string("'") + generator + "' '" + second + "/pack' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::map<std::string, std::string> a = readPack(assetCheckDir()), b = readPack(second + "/pack");
    EXPECT_FALSE(a.empty());
    for (const auto& [path, bytes] : a) {
        auto other = b.find(path);
        if (other == b.end())
            ADD_FAILURE() << path << " written only by the first run";
        else if (other->second != bytes)
            ADD_FAILURE() << path << " differs between runs";
    }
    for (const auto& entry : b)
        if (!a.count(entry.first)) ADD_FAILURE() << entry.first << " written only by the second run";
    std::filesystem::remove_all(second);
}

}  // namespace
