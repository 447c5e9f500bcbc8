#include <thread>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"
#include "SoundParts.h"

// Each track is made on its own thread; the files do not depend on the order.
void generateSounds(AssetWriter& writer) {
    std::vector<std::thread> workers;
    workers.emplace_back([&writer] {
        for (const SoundFile& effect : buildEffects()) writer.writeWav(effect.path, toPcmMono(effect.mono, 0.8), 1);
    });
    for (MusicFile (*make)() : musicMakers())
        workers.emplace_back([&writer, make] {
            MusicFile track = make();
            writer.writeWav(track.path, track.loop.toPcm(0.8), 2);
        });
    for (std::thread& worker : workers) worker.join();
}
