#include <algorithm>
#include <atomic>
#include <thread>

#include "AssetWriter.h"
#include "Generators.h"
#include "PictureParts.h"

void generatePictures(AssetWriter& writer) {
    std::vector<PictureTask> tasks;
    addMaterialPictures(tasks);
    addSkyPictures(tasks);
    addHudPictures(tasks);
    addScreenPictures(tasks);
    addStoryPictures(tasks);

    std::atomic<size_t> nextTask{0};
    auto work = [&]() {
        for (size_t i = nextTask++; i < tasks.size(); i = nextTask++) writer.writeBmp24(tasks[i].path, tasks[i].paint());
    };
    unsigned count = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < count; ++i) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
}
