// Every sound of the pack must load through SDL_mixer the way the game
// loads it, in the format the mixer runs at, and sound right at its edges:
// effects start and stop in silence, music loops round without a click.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <set>

#include "AssetPack.h"

namespace {

struct SoundCase {
    const char* path;
    bool music;
};

const SoundCase kSounds[] = {
    {"Music/Sounds/unequip.wav", false},        {"Music/Sounds/bringUpItem.wav", false},
    {"Music/Sounds/hitBoss.wav", false},        {"Music/Sounds/comet.wav", false},
    {"Music/Sounds/finishQuestItem.wav", false}, {"Music/Sounds/squeak2.wav", false},
    {"Music/Sounds/getCoins.wav", false},       {"Music/Sounds/getItem.wav", false},
    {"Music/Sounds/shootLoud.wav", false},      {"Music/Sounds/heal.wav", false},
    {"Music/Sounds/danger.wav", false},         {"Music/Sounds/turnInMenu.wav", false},
    {"Music/Sounds/squeak.wav", false},         {"Music/Sounds/enemyShoot.wav", false},
    {"Music/Sounds/underwater.wav", false},     {"Music/Sounds/enemyPoof.wav", false},
    {"Music/Sounds/openDoor.wav", false},       {"Music/Sounds/error.wav", false},
    {"Music/Sounds/doorclose.wav", false},      {"Music/Sounds/portalOpen.wav", false},
    {"Music/Sounds/portalClose.wav", false},    {"Music/Sounds/enterPortal.wav", false},
    {"Music/Soundtrack1Peril.wav", true},       {"Music/Sounds/homeTown.wav", true},
    {"Music/Sounds/birdsChirping.wav", true},   {"Music/Sounds/waterfall.wav", true},
    {"Music/Sounds/wind.wav", true},            {"Music/Sounds/lotr.wav", true},
    {"Music/Sounds/thunder.wav", true},         {"Music/Sounds/fight2.wav", true},
    {"Music/Sounds/bossTheme.wav", true},       {"Music/Sounds/sadSong.wav", true},
};

void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.path; }

// The RIFF file as it lies on disk, read without any library.
struct Wav {
    bool ok = false;
    std::string problem;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;  // interleaved
    double seconds() const { return channels ? (double)samples.size() / channels / rate : 0; }
};

uint32_t le32(const char* p) {
    return (uint8_t)p[0] | (uint8_t)p[1] << 8 | (uint8_t)p[2] << 16 | (uint32_t)(uint8_t)p[3] << 24;
}

Wav readWav(const std::string& path) {
    Wav wav;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE")) {
        wav.problem = "not a RIFF WAVE file";
        return wav;
    }
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = le32(&bytes[at + 4]);
        if (at + 8 + size > bytes.size()) {
            wav.problem = "chunk runs past the end";
            return wav;
        }
        const char* body = &bytes[at + 8];
        if (!bytes.compare(at, 4, "fmt ") && size >= 16) {
            wav.format = (uint8_t)body[0] | (uint8_t)body[1] << 8;
            wav.channels = (uint8_t)body[2] | (uint8_t)body[3] << 8;
            wav.rate = (int)le32(body + 4);
            wav.bits = (uint8_t)body[14] | (uint8_t)body[15] << 8;
            haveFormat = true;
        } else if (!bytes.compare(at, 4, "data") && haveFormat) {
            wav.samples.resize(size / 2);
            memcpy(wav.samples.data(), body, wav.samples.size() * 2);
            wav.ok = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!wav.ok) wav.problem = "no format and data chunks";
    return wav;
}

std::vector<int16_t> channel(const Wav& wav, int c) {
    std::vector<int16_t> out;
    for (size_t i = c; i < wav.samples.size(); i += wav.channels) out.push_back(wav.samples[i]);
    return out;
}

class SoundFiles : public testing::TestWithParam<SoundCase> {};

// The mixer as the game opens it. Closing it waits for the silent driver's
// next buffer, a fifth of a second, so only the check that loads through the
// mixer opens it.
struct OpenMixer {
    bool open = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 4096) == 0;
    ~OpenMixer() {
        Mix_CloseAudio();
        SDL_Quit();
    }
};

std::string caseName(const testing::TestParamInfo<SoundCase>& info) {
    std::string name = info.param.path;
    name = name.substr(name.rfind('/') + 1);
    return name.substr(0, name.find('.'));
}

TEST(SoundList, HoldsTwentyTwoEffectsAndTenTracks) {
    std::set<std::string> effects, music;
    for (const SoundCase& c : kSounds) (c.music ? music : effects).insert(c.path);
    EXPECT_EQ(effects.size(), 22u);
    EXPECT_EQ(music.size(), 10u);
}

TEST_P(SoundFiles, LoadThroughTheMixerAsTheGameLoadsThem) {
    OpenMixer mixer;
    ASSERT_TRUE(mixer.open) << Mix_GetError();
    std::string path = assetPath(GetParam().path);
    if (GetParam().music) {
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        ASSERT_NE(music, nullptr) << path << ": " << Mix_GetError();
        Mix_FreeMusic(music);
    } else {
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
        ASSERT_NE(chunk, nullptr) << path << ": " << Mix_GetError();
        EXPECT_GT(chunk->alen, 0u);
        Mix_FreeChunk(chunk);
    }
}

TEST_P(SoundFiles, AreSixteenBitPcmAtTheMixerRate) {
    Wav wav = readWav(assetPath(GetParam().path));
    ASSERT_TRUE(wav.ok) << GetParam().path << ": " << wav.problem;
    EXPECT_EQ(wav.format, 1) << "PCM";
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.rate, 22050);
    if (GetParam().music) {
        EXPECT_EQ(wav.channels, 2);
        EXPECT_GE(wav.seconds(), 5.0);
        EXPECT_LE(wav.seconds(), 60.0);
    } else {
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        EXPECT_GE(wav.seconds(), 0.1);
        EXPECT_LE(wav.seconds(), 2.0);
    }
    int peak = 0;
    for (int16_t s : wav.samples) peak = std::max(peak, std::abs((int)s));
    EXPECT_GT(peak, 32767 / 4) << GetParam().path << " is too quiet";
}

// An effect that starts or stops away from zero clicks every time it plays.
// A track loops for ever, so its last sample must lead into its first as
// smoothly as any two neighbours inside it: the bend there (the second
// difference) may be no larger than the 99.9th percentile of its bends.
TEST_P(SoundFiles, JoinWithoutAClick) {
    Wav wav = readWav(assetPath(GetParam().path));
    ASSERT_TRUE(wav.ok);
    for (int c = 0; c < wav.channels; ++c) {
        std::vector<int16_t> x = channel(wav, c);
        ASSERT_GT(x.size(), 100u);
        if (!GetParam().music) {
            EXPECT_LE(std::abs(x.front()), 330) << GetParam().path;
            EXPECT_LE(std::abs(x.back()), 330) << GetParam().path;
            continue;
        }
        size_t n = x.size();
        auto bend = [&](size_t i) {
            return std::abs((int)x[(i + 1) % n] - 2 * (int)x[i % n] + (int)x[(i + n - 1) % n]);
        };
        std::vector<int> bends;
        for (size_t i = 1; i + 1 < n; ++i) bends.push_back(bend(i));
        std::nth_element(bends.begin(), bends.begin() + bends.size() * 999 / 1000, bends.end());
        int limit = bends[bends.size() * 999 / 1000];
        EXPECT_LE(bend(n - 1), limit) << GetParam().path << " channel " << c;
        EXPECT_LE(bend(0), limit) << GetParam().path << " channel " << c;
    }
}

TEST(SoundTracks, AreAllDifferent) {
    std::set<std::vector<int16_t>> seen;
    for (const SoundCase& c : kSounds) {
        if (!c.music) continue;
        Wav wav = readWav(assetPath(c.path));
        ASSERT_TRUE(wav.ok) << c.path;
        EXPECT_TRUE(seen.insert(wav.samples).second) << c.path << " repeats another track";
    }
}

INSTANTIATE_TEST_SUITE_P(Pack, SoundFiles, testing::ValuesIn(kSounds), caseName);

}  // namespace
