// Draws every mesh of the pack, from the front and from behind, into one
// picture (mesh-sheet.png in the build folder) so a person can judge them at
// a glance. Back faces are culled as in the game, so holes and faces wound
// the wrong way show up as gaps. Meshes are drawn with the texture the game
// gives them when the pack has it, else with a chart of their texture
// coordinates (red grows with u, green with v, v = 0 at the picture's top).
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "AssetPack.h"
#include "ContactSheet.h"
#include "MeshObj.h"

namespace {

// The skin the game gives each mesh (its first slot); untextured ones are absent.
const std::map<std::string, std::string> kSkins = {
    {"heroBody", "fsTexture"},          {"enemyBody", "enemyTexture"},      {"heroEyes", "heroEye"},
    {"enemyEyes", "heroEye"},           {"farmerHat", "basketTexture"},     {"crown", "gold"},
    {"crownMain", "trunk2"},            {"crownLeaves", "leafTexture2"},    {"circletMain", "gold"},
    {"princessHat", "wizardHat"},       {"helmet", "armourTexture"},        {"houseMain", "mud"},
    {"door", "porchTexture"},           {"doorKnob", "gold"},               {"chimney", "mud"},
    {"houseRoof", "thatch"},            {"treeHouseBase", "trunk2"},        {"treeHousePorch", "thatch"},
    {"treeHouseLeaves", "leafTexture2"}, {"shopMain", "mud"},               {"shopRoof", "thatch"},
    {"shopDoor", "porchTexture"},       {"shopChimney", "mud"},             {"shopSign", "shopSignTexture"},
    {"shopTable", "dirt"},              {"shopTeapot", "feathers"},         {"pillar", "granite"},
    {"pillarSmall", "granite"},         {"statue", "lavaRockTexture"},      {"statueFront", "statueFrontTexture"},
    {"basket", "basketTexture"},        {"apples", "appleTexture"},         {"stems", "leafTexture2"},
    {"volcano", "lavaRock"},            {"cave", "granite"},                {"castle", "castleTexture"},
    {"castleRoofs", "thatch"},          {"castleTurret", "castleTexture"},  {"islandPortalMain", "granite"},
    {"islandPortalInner", "plasma"},    {"islandPortalTops", "plasma"},     {"islandPortalLeaves", "leafTexture2"},
    {"islandPortalVines", "trunk2"},    {"portalVines", "trunk2"},          {"portalLeaves", "leafTexture2"},
    {"grass", "ground1"},               {"snow", "snowTexture"},            {"flowerPetals", "flowerPetals"},
    {"trunk", "trunk2"},                {"branch1", "trunk2"},              {"branch2", "trunk2"},
    {"branch3", "trunk2"},              {"branch4", "trunk2"},              {"branch5", "trunk2"},
    {"leaf1", "leafTexture2"},          {"simpTree2", "trunk"},             {"treeTopSimple", "leves1"},
    {"treeTopSimpleLower", "leves1"},   {"box", "trunk2"},                  {"vial", "vialTexture"},
    {"coins", "gold"},                  {"leftGlove", "armourTexture"},     {"rightGlove", "armourTexture"},
    {"ringMain", "gold"},               {"lordOfRing", "gold"},             {"boots1", "gold"},
    {"boots2", "feathers"},             {"iAmRichGEm", "diamondTexture"},   {"swordMain", "armourTexture"},
    {"swordHandle", "gold"},            {"map", "HUD/mainMap"},             {"compassMain", "gold"},
    {"compassFace", "compassFace"},
};

struct Skin {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    bool loaded() const { return width > 0; }
    void sample(double u, double v, double out[3]) const {
        if (!loaded()) {
            double fu = u - std::floor(u), fv = v - std::floor(v);
            bool check = ((int)std::floor(u * 8) + (int)std::floor(v * 8)) & 1;
            out[0] = 0.3 + 0.7 * fu;
            out[1] = 0.3 + 0.7 * fv;
            out[2] = check ? 0.8 : 0.35;
            return;
        }
        int x = (int)std::floor((u - std::floor(u)) * width) % width;
        int y = (int)std::floor((v - std::floor(v)) * height) % height;
        const uint8_t* p = &rgb[((size_t)y * width + x) * 3];
        for (int k = 0; k < 3; ++k) out[k] = p[k] / 255.0;
    }
};

Skin loadSkin(const std::string& name) {
    Skin skin;
    auto found = kSkins.find(name);
    if (found == kSkins.end()) return skin;
    SDL_Surface* loaded = SDL_LoadBMP(assetPath("Textures/" + found->second + ".bmp").c_str());
    if (!loaded) return skin;
    SDL_PixelFormat format = {};
    format.BitsPerPixel = 24;
    format.BytesPerPixel = 3;
    format.Rmask = 0x0000FF, format.Gmask = 0x00FF00, format.Bmask = 0xFF0000;
    format.Rshift = 0, format.Gshift = 8, format.Bshift = 16;
    SDL_Surface* rgb = SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE);
    SDL_FreeSurface(loaded);
    if (!rgb) return skin;
    skin.width = rgb->w;
    skin.height = rgb->h;
    skin.rgb.resize((size_t)rgb->w * rgb->h * 3);
    for (int y = 0; y < rgb->h; ++y)
        memcpy(&skin.rgb[(size_t)y * rgb->w * 3], (uint8_t*)rgb->pixels + y * rgb->pitch, (size_t)rgb->w * 3);
    SDL_FreeSurface(rgb);
    return skin;
}

// Orthographic view from direction `from`, filling the cell at (ox, 0).
void drawView(SheetPicture& picture, int ox, int size, const ObjMesh& mesh, const Skin& skin, ObjPoint from) {
    from = ObjPoint{from.x / from.length(), from.y / from.length(), from.z / from.length()};
    ObjPoint forward{-from.x, -from.y, -from.z};
    ObjPoint right = forward.cross({0, 1, 0});
    right = ObjPoint{right.x / right.length(), right.y / right.length(), right.z / right.length()};
    ObjPoint up = right.cross(forward);
    double lo[2] = {1e30, 1e30}, hi[2] = {-1e30, -1e30};
    for (const ObjPoint& p : mesh.positions) {
        double s[2] = {p.dot(right), p.dot(up)};
        for (int k = 0; k < 2; ++k) lo[k] = std::min(lo[k], s[k]), hi[k] = std::max(hi[k], s[k]);
    }
    double scale = (size - 12) / std::max(hi[0] - lo[0], hi[1] - lo[1]);
    double cx = (lo[0] + hi[0]) / 2, cy = (lo[1] + hi[1]) / 2;
    std::vector<double> depth((size_t)size * size, -1e30);
    ObjPoint light{-0.35, 0.8, 0.5};
    double ll = light.length();
    for (const ObjMesh::Face& f : mesh.faces) {
        double sx[3], sy[3], sz[3];
        for (int k = 0; k < 3; ++k) {
            ObjPoint p = mesh.corner(f, k);
            sx[k] = size / 2.0 + (p.dot(right) - cx) * scale;
            sy[k] = size / 2.0 - (p.dot(up) - cy) * scale;
            sz[k] = p.dot(from);
        }
        // Screen y points down, so counter-clockwise on screen is a negative area.
        double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
        if (area >= 0) continue;
        int x0 = std::max(0, (int)std::floor(std::min({sx[0], sx[1], sx[2]})));
        int x1 = std::min(size - 1, (int)std::ceil(std::max({sx[0], sx[1], sx[2]})));
        int y0 = std::max(0, (int)std::floor(std::min({sy[0], sy[1], sy[2]})));
        int y1 = std::min(size - 1, (int)std::ceil(std::max({sy[0], sy[1], sy[2]})));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                double px = x + 0.5, py = y + 0.5;
                double w0 = ((sx[1] - px) * (sy[2] - py) - (sx[2] - px) * (sy[1] - py)) / area;
                double w1 = ((sx[2] - px) * (sy[0] - py) - (sx[0] - px) * (sy[2] - py)) / area;
                double w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                double z = w0 * sz[0] + w1 * sz[1] + w2 * sz[2];
                double& d = depth[(size_t)y * size + x];
                if (z <= d) continue;
                d = z;
                ObjPoint n{0, 0, 0};
                double u = 0, v = 0, w[3] = {w0, w1, w2};
                for (int k = 0; k < 3; ++k) {
                    const ObjPoint& nk = mesh.normals[f.n[k]];
                    n = n + ObjPoint{nk.x * w[k], nk.y * w[k], nk.z * w[k]};
                    u += mesh.texCoords[f.t[k]].x * w[k];
                    v += mesh.texCoords[f.t[k]].y * w[k];
                }
                double lit = 0.35 + 0.65 * std::max(0.0, n.dot(light) / (ll * std::max(1e-9, n.length())));
                double colour[3];
                skin.sample(u, v, colour);
                uint8_t* out = picture.at(ox + x, y);
                for (int k = 0; k < 3; ++k) out[k] = (uint8_t)std::min(255.0, colour[k] * lit * 255);
            }
    }
}

TEST(MeshContactSheet, DrawsEveryMeshFromFrontAndBack) {
    std::string cells = contactSheetPath("mesh-sheet-cells");
    std::filesystem::remove_all(cells);
    std::filesystem::create_directories(cells);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(assetPath("ObjFiles")))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    ASSERT_FALSE(names.empty());
    const int size = 150;
    std::string list;
    for (const std::string& name : names) {
        ObjMesh mesh = readObj(assetPath("ObjFiles/" + name + ".obj"));
        ASSERT_TRUE(mesh.problems.empty()) << name;
        SheetPicture picture(2 * size, size, 40);
        Skin skin = loadSkin(name);
        drawView(picture, 0, size, mesh, skin, {0.6, 0.45, 1.0});
        drawView(picture, size, size, mesh, skin, {-0.6, 0.45, -1.0});
        std::string path = cells + "/" + name + ".ppm";
        ASSERT_TRUE(picture.writePpm(path)) << path;
        list += " '" + path + "'";
    }
    std::string sheet = contactSheetPath("mesh-sheet.png");
    std::filesystem::remove(sheet);
    std::string command = "montage -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -label '%t' -pointsize 11 -background '#202020' -fill white" + list +
                          " -tile 6x -geometry +3+3 '" + sheet + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(sheet));
    std::filesystem::remove_all(cells);
}

}  // namespace
