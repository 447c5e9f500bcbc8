#include <thread>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"
#include "TerrainIslands.h"
#include "TerrainOverlays.h"

// Shapes the thirteen islands side by side, then writes each one's height
// map, mini map, nature overlays and coins.
void generateTerrain(AssetWriter& writer) {
    const int islands = 13;
    std::vector<TerrainDesign> designs(islands);
    std::vector<std::thread> workers;
    for (int k = 0; k < islands; ++k) workers.emplace_back([&designs, k] { designs[k] = designIsland(k); });
    for (std::thread& worker : workers) worker.join();
    workers.clear();

    for (int k = 0; k < islands; ++k) {
        workers.emplace_back([&writer, &designs, k] {
            const TerrainDesign& island = designs[k];
            writer.writeBmp8(heightMapPath(k), island.side, island.side, island.canvas.bytes());
            writer.writeBmp24(miniMapPath(k), drawMiniMap(island));
            if (k != 10) {
                // Island 10 grows its plants from island 9's files.
                NatureOverlays nature = plantNature(island, k == 9 ? &designs[10] : nullptr);
                std::string prefix = naturePrefix(k);
                writer.writeBmp8(prefix + "Flowers.bmp", island.side, island.side, nature.flowers);
                writer.writeBmp8(prefix + "Trees.bmp", island.side, island.side, nature.trees);
                writer.writeBmp8(prefix + "Grass.bmp", island.side, island.side, nature.grass);
            }
            if (island.hasMoney) writer.writeBmp8(moneyPath(k), island.side, island.side, placeCoins(island));
        });
    }
    for (std::thread& worker : workers) worker.join();
}
