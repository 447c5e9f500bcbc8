#include "TerrainOverlays.h"

#include <algorithm>
#include <cmath>

#include "Random.h"

namespace {

// The lowest ground a hero may stand on: lava below it is deadly.
int safeLevel(const TerrainDesign& island) {
    for (const TerrainSurface& s : island.surfaces)
        if (s.lava) return (int)std::floor(s.level + 0.35) + 1;
    return 0;
}

bool underSurface(const TerrainDesign& island, double x, double z, int level) {
    for (const TerrainSurface& s : island.surfaces)
        if (level < s.level + 1 && insidePolygon(s.outline, x, z)) return true;
    if (level < safeLevel(island)) return true;
    return false;
}

// Can a plant of `reach` samples stand on the island at world (x, z)?
// `level` gets the ground level there. Trees also need level ground clear of
// everything kept free.
bool plantSite(const TerrainDesign& island, double x, double z, int reach, bool tree, int* level) {
    const TerrainCanvas& c = island.canvas;
    int i0 = (int)std::floor(x) + c.getHalf(), j0 = (int)std::floor(z) + c.getHalf();
    int lowest = TerrainCanvas::TOP, highest = 0;
    for (int j = j0 - reach; j <= j0 + 1 + reach; ++j)
        for (int i = i0 - reach; i <= i0 + 1 + reach; ++i) {
            int l = c.level(i, j);
            if (l == TerrainCanvas::HOLE) return false;
            lowest = std::min(lowest, l);
            highest = std::max(highest, l);
            if (tree && island.keepClear[(size_t)j * c.getSide() + i]) return false;
        }
    if (highest - lowest > (tree ? 1 : 2)) return false;
    if (underSurface(island, x, z, lowest)) return false;
    *level = lowest;
    return true;
}

// An island that reads an overlay file, with its distances to the coast.
struct Reader {
    const TerrainDesign* island;
    std::vector<float> coast;
};

// Whether an overlay pixel suits a reader: fine when the island has no
// ground there at all (nothing is planted), or when the plant can stand;
// `grows` tells which of the two it was.
bool suits(const Reader& reader, int column, int row, int reach, bool tree, bool* grows) {
    *grows = false;
    const TerrainDesign& island = *reader.island;
    int side = island.side;
    if (column >= side || row >= side) return true;
    double x = column - 0.5 * side, z = row - 0.5 * side;
    const TerrainCanvas& c = island.canvas;
    int i0 = (int)std::floor(x) + c.getHalf(), j0 = (int)std::floor(z) + c.getHalf();
    bool anyGround = false;
    for (int j = j0 - 1; j <= j0 + 2; ++j)
        for (int i = i0 - 1; i <= i0 + 2; ++i)
            if (c.level(i, j) != TerrainCanvas::HOLE) anyGround = true;
    if (!anyGround) return true;
    int level;
    if (!plantSite(island, x, z, reach, tree, &level)) return false;
    // Trees overhang: keep them off the brink.
    if (tree && reader.coast[(size_t)j0 * side + i0] < 7) return false;
    *grows = true;
    return true;
}

}  // namespace

NatureOverlays plantNature(const TerrainDesign& island, const TerrainDesign* borrower) {
    int side = island.side;
    NatureOverlays out;
    out.flowers.assign((size_t)side * side, 0);
    out.trees.assign((size_t)side * side, 0);
    out.grass.assign((size_t)side * side, 0);
    Random random(island.seed * 7919u + 17u);
    std::vector<Reader> readers = {{&island, island.canvas.coastDistance()}};
    if (borrower) readers.push_back({borrower, borrower->canvas.coastDistance()});
    // A pixel must suit every island that reads the file, and grow on the
    // one it is meant for.
    auto fits = [&](const TerrainDesign* owner, int c, int r, int reach, bool tree) {
        for (const Reader& reader : readers) {
            bool grows;
            if (!suits(reader, c, r, reach, tree, &grows)) return false;
            if (reader.island == owner && !grows) return false;
        }
        return true;
    };
    // The borrower gets its share of every kind of plant first.
    std::vector<const TerrainDesign*> owners;
    if (borrower) owners.push_back(borrower);
    owners.push_back(&island);

    // Trees: a shuffled scan of the pixels, keeping them apart so a hero can
    // always walk between two.
    std::vector<Spot> planted;
    const double spacing = 10;
    for (const TerrainDesign* owner : owners) {
        int size = owner->side;
        std::vector<int> order((size_t)size * size);
        for (size_t k = 0; k < order.size(); ++k) order[k] = (int)k;
        for (size_t k = order.size() - 1; k > 0; --k) std::swap(order[k], order[random.below((int)k + 1)]);
        size_t goal = planted.size() + owner->trees;
        for (int pixel : order) {
            if (planted.size() >= goal) break;
            int c = pixel % size, r = pixel / size;
            bool crowded = false;
            for (const Spot& other : planted)
                if (std::hypot(other.x - c, other.z - r) < spacing) crowded = true;
            if (crowded || !fits(owner, c, r, 3, true)) continue;
            planted.push_back({(double)c, (double)r});
            out.trees[(size_t)r * side + c] = 255;
        }
    }

    // Flowers and grass grow in patches.
    auto scatter = [&](const TerrainDesign* owner, std::vector<uint8_t>& layer, int count, int patchSize,
                       double radius) {
        int size = owner->side, placed = 0;
        for (int attempt = 0; attempt < count * 60 && placed < count; ++attempt) {
            int c = random.below(size), r = random.below(size);
            for (int k = 0; k < patchSize && placed < count; ++k) {
                int pc = c + (int)std::lround((random.unit() * 2 - 1) * radius);
                int pr = r + (int)std::lround((random.unit() * 2 - 1) * radius);
                if (pc < 0 || pr < 0 || pc >= size || pr >= size) continue;
                size_t pixel = (size_t)pr * side + pc;
                if (layer[pixel] || out.trees[pixel] || !fits(owner, pc, pr, 1, false)) continue;
                layer[pixel] = 255;
                placed++;
            }
        }
    };
    for (const TerrainDesign* owner : owners) {
        scatter(owner, out.flowers, owner->flowers, 6, 4);
        scatter(owner, out.grass, owner->tufts, 8, 6);
    }
    return out;
}

std::vector<uint8_t> placeCoins(const TerrainDesign& island) {
    int side = island.side;
    std::vector<uint8_t> out((size_t)side * side, 0);
    int safe = safeLevel(island);
    for (const Spot& coin : island.coins) {
        int c = (int)std::lround(coin.x + 0.5 * side), r = (int)std::lround(coin.z + 0.5 * side);
        // Money islands have even sides: pixel (c, r) is sample (c, r).
        int i = c, j = r;
        bool walkable = true;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di) {
                int l = island.canvas.level(i + di, j + dj);
                if (l == TerrainCanvas::HOLE || l < safe) walkable = false;
            }
        // The game stops reading coins at the first one over no ground.
        if (walkable && c >= 0 && r >= 0 && c < side && r < side) out[(size_t)r * side + c] = 255;
    }
    return out;
}

namespace {

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Colour ramps by world, from the lowest ground to the highest.
Colour groundColour(TerrainWorld world, int level) {
    double t = level / 51.0;
    switch (world) {
        case TerrainWorld::GRASS:
            if (t < 0.08) return mix({196, 182, 128}, {92, 150, 62}, t / 0.08);
            if (t < 0.55) return mix({92, 150, 62}, {58, 112, 48}, (t - 0.08) / 0.47);
            if (t < 0.85) return mix({58, 112, 48}, {138, 116, 82}, (t - 0.55) / 0.3);
            return mix({138, 116, 82}, {214, 210, 198}, (t - 0.85) / 0.15);
        case TerrainWorld::SNOW:
            return mix({170, 184, 198}, {246, 248, 252}, t);
        case TerrainWorld::LAVA:
            return mix({58, 44, 40}, {128, 106, 92}, t);
        case TerrainWorld::MYSTIC:
            if (t < 0.6) return mix({62, 44, 104}, {126, 96, 176}, t / 0.6);
            return mix({126, 96, 176}, {206, 186, 236}, (t - 0.6) / 0.4);
    }
    return {128, 128, 128};
}

}  // namespace

Image drawMiniMap(const TerrainDesign& island) {
    const int size = 256;
    const TerrainCanvas& c = island.canvas;
    int side = island.side;
    Image map(size, size);
    for (int v = 0; v < size; ++v) {
        for (int u = 0; u < size; ++u) {
            int i = (int)((u + 0.5) * side / size), j = (int)((v + 0.5) * side / size);
            int level = c.level(i, j);
            if (level == TerrainCanvas::HOLE) {
                map.set(u, v, 255, 0, 255);
                continue;
            }
            // Light from the north-west; cliffs darken.
            auto at = [&](int di, int dj) {
                int l = c.level(i + di, j + dj);
                return l == TerrainCanvas::HOLE ? level : l;
            };
            double slope = (at(-1, -1) - at(1, 1)) + 0.5 * ((at(-1, 0) - at(1, 0)) + (at(0, -1) - at(0, 1)));
            double shade = std::clamp(1.0 + 0.06 * slope, 0.55, 1.35);
            Colour colour = groundColour(island.world, level);
            colour = {colour.r * shade, colour.g * shade, colour.b * shade};
            double x = c.worldX(i), z = c.worldZ(j);
            for (const TerrainSurface& s : island.surfaces) {
                if (level < s.level && insidePolygon(s.outline, x, z)) {
                    double depth = std::clamp((s.level - level) / 12.0, 0.0, 1.0);
                    Colour surface = s.lava ? mix(Colour{250, 140, 30}, Colour{200, 40, 10}, depth)
                                            : mix(Colour{70, 150, 220}, Colour{20, 50, 140}, depth);
                    colour = mix(colour, surface, 0.85);
                    break;
                }
            }
            auto channel = [](double value) { return (uint8_t)std::clamp(std::lround(value), 0L, 254L); };
            map.set(u, v, channel(colour.r), channel(colour.g), channel(colour.b));
        }
    }
    return map;
}
