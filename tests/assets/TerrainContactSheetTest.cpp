#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ContactSheet.h"
#include "TerrainLayout.h"

namespace {

struct Rgb {
    double r, g, b;
};

Rgb blend(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// Low green through brown to white peaks, in bands of 5 levels so heights read.
Rgb heightColour(int level) {
    const Rgb stops[] = {{40, 110, 50}, {120, 160, 60}, {170, 140, 80}, {130, 100, 80}, {235, 235, 235}};
    double t = std::min(level, 50) / 50.0 * 4;
    int k = std::min(3, (int)t);
    Rgb c = blend(stops[k], stops[k + 1], t - k);
    double band = (level / 5) % 2 ? 0.92 : 1.0;
    return {c.r * band, c.g * band, c.b * band};
}

class Sheet {
public:
    Sheet(int width, int height) : picture(width, height, 24) {}
    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return;
        uint8_t* p = picture.at(x, y);
        p[0] = (uint8_t)std::clamp(c.r, 0.0, 255.0);
        p[1] = (uint8_t)std::clamp(c.g, 0.0, 255.0);
        p[2] = (uint8_t)std::clamp(c.b, 0.0, 255.0);
    }
    void dot(int x, int y, int radius, Rgb c) {
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) set(x + dx, y + dy, c);
    }
    bool writePng(const std::string& path) const {
        std::string ppm = path + ".ppm";
        if (!picture.writePpm(ppm)) return false;
        std::string command = "convert '" + ppm + "' '" + path + "'";
        bool ok = std::system(command.c_str()) == 0;
        std::filesystem::remove(ppm);
        return ok;
    }

private:
    SheetPicture picture;
};

}  // namespace

// One picture of all thirteen height maps from above, for a person to look
// over: shaded heights in bands of five, holes as a dark checker, water and
// lava where they show, trees dark green, coins yellow, gates cyan.
TEST(TerrainContactSheet, WritesTopDownViewOfEveryHeightMap) {
    const int tile = 320, gap = 8, columns = 5;
    Sheet sheet(columns * tile + (columns + 1) * gap, 3 * tile + 4 * gap);
    for (int island = 0; island < 13; ++island) {
        const IslandFiles& files = islandFiles[island];
        HeightField field(files.heightMap, files.side);
        ASSERT_TRUE(field.loaded()) << files.heightMap;
        int left = gap + (island % columns) * (tile + gap), top = gap + (island / columns) * (tile + gap);
        double scale = (double)tile / files.side;
        for (int v = 0; v < tile; ++v)
            for (int u = 0; u < tile; ++u) {
                int i = (int)(u / scale), j = (int)(v / scale);
                int l = field.level(i, j);
                if (l < 0) {
                    sheet.set(left + u, top + v, ((u / 8 + v / 8) % 2) ? Rgb{30, 32, 48} : Rgb{44, 46, 66});
                    continue;
                }
                int nw = field.level(i - 1, j - 1) < 0 ? l : field.level(i - 1, j - 1);
                int se = field.level(i + 1, j + 1) < 0 ? l : field.level(i + 1, j + 1);
                double shade = std::clamp(1.0 + 0.07 * (nw - se), 0.45, 1.5);
                Rgb c = heightColour(l);
                c = {c.r * shade, c.g * shade, c.b * shade};
                for (const Surface& s : surfaces())
                    if (s.island == island && l < s.level && insideOutline(s.outline, field.worldX(i), field.worldZ(j)))
                        c = blend(c, s.lava ? Rgb{235, 70, 20} : Rgb{40, 100, 220}, 0.7);
                if (island == 4 && l < pond4().level && insideOutline(pond4().outline, field.worldX(i), field.worldZ(j)))
                    c = blend(c, Rgb{40, 100, 220}, 0.7);
                sheet.set(left + u, top + v, c);
            }
        auto mark = [&](double x, double z, int radius, Rgb c) {
            sheet.dot(left + (int)((x + field.getHalf()) * scale), top + (int)((z + field.getHalf()) * scale), radius, c);
        };
        std::vector<uint8_t> trees = loadMapBytes(std::string(files.nature) + "Trees.bmp", files.natureSide);
        for (int r = 0; r < files.side && !trees.empty(); ++r)
            for (int c = 0; c < files.side; ++c)
                if (trees[(size_t)r * files.natureSide + c] && field.height(c - 0.5 * files.side, r - 0.5 * files.side) >= 0)
                    mark(c - 0.5 * files.side, r - 0.5 * files.side, 2, {10, 60, 20});
        if (*files.money) {
            std::vector<uint8_t> coins = loadMapBytes(files.money, files.side);
            for (int r = 0; r < files.side && !coins.empty(); ++r)
                for (int c = 0; c < files.side; ++c)
                    if (coins[(size_t)r * files.side + c]) mark(c - 0.5 * files.side, r - 0.5 * files.side, 1, {255, 230, 0});
        }
        for (const GateSite& g : gateSites())
            if (g.island == island) mark(g.x, g.z, 3, {0, 230, 230});
    }
    std::string path = contactSheetPath("contact-heightmaps.png");
    ASSERT_TRUE(sheet.writePng(path)) << "could not write " << path;
    EXPECT_TRUE(std::filesystem::exists(path));
}
