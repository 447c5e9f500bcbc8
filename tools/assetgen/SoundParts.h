#ifndef ASSETGEN_SOUNDPARTS_H
#define ASSETGEN_SOUNDPARTS_H

#include <string>
#include <vector>

#include "SoundSynth.h"

struct SoundFile {
    std::string path;
    Samples mono;
};

struct MusicFile {
    std::string path;
    Loop loop;
};

std::vector<SoundFile> buildEffects();  // the 22 effects, mono
// The 10 looping stereo tracks, one maker each (they may run side by side).
std::vector<MusicFile (*)()> musicMakers();

#endif
