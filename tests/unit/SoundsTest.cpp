// The sound bank against the real mixer, with SDL's silent audio driver
// (the mixer thread runs in real time, so some tests wait for playback).
#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Sounds/Sounds.h"
#include "support/Fixtures.h"

namespace {

struct EffectCase {
    void (Sounds::*play)(int);
    Mix_Chunk* Sounds::*slot;
    const char* file;
};

const EffectCase effects[] = {
    {&Sounds::playUnequip, &Sounds::unequipSound, "Music/Sounds/unequip.wav"},
    {&Sounds::playBringUpItem, &Sounds::bringUpItemSound, "Music/Sounds/bringUpItem.wav"},
    {&Sounds::playHitBoss, &Sounds::hitBossSound, "Music/Sounds/hitBoss.wav"},
    {&Sounds::playCompleteQuestItem, &Sounds::completeQuestItemSound, "Music/Sounds/finishQuestItem.wav"},
    {&Sounds::playJump, &Sounds::jumpSound, "Music/Sounds/squeak2.wav"},
    {&Sounds::playGetCoins, &Sounds::getCoinsSound, "Music/Sounds/getCoins.wav"},
    {&Sounds::playGetItem, &Sounds::getItemSound, "Music/Sounds/getItem.wav"},
    {&Sounds::playShoot, &Sounds::shootSound, "Music/Sounds/shootLoud.wav"},
    {&Sounds::playHeal, &Sounds::healSound, "Music/Sounds/heal.wav"},
    {&Sounds::playDanger, &Sounds::dangerSound, "Music/Sounds/danger.wav"},
    {&Sounds::playTurnMenu, &Sounds::turnMenuSound, "Music/Sounds/turnInMenu.wav"},
    {&Sounds::playHit, &Sounds::hitSound, "Music/Sounds/squeak.wav"},
    {&Sounds::playEnemyShoot, &Sounds::enemyShootSound, "Music/Sounds/enemyShoot.wav"},
    {&Sounds::playUnderwater, &Sounds::underwaterSound, "Music/Sounds/underwater.wav"},
    {&Sounds::playPoof, &Sounds::poofSound, "Music/Sounds/enemyPoof.wav"},
    {&Sounds::playShop, &Sounds::shopSound, "Music/Sounds/openDoor.wav"},
    {&Sounds::playError, &Sounds::errorSound, "Music/Sounds/error.wav"},
    {&Sounds::playCloseShop, &Sounds::closeShopSound, "Music/Sounds/doorclose.wav"},
    {&Sounds::playPortalOpen, &Sounds::portalOpenSound, "Music/Sounds/portalOpen.wav"},
    {&Sounds::playPortalClose, &Sounds::portalCloseSound, "Music/Sounds/portalClose.wav"},
    {&Sounds::playEnterPortal, &Sounds::enterPortalSound, "Music/Sounds/enterPortal.wav"},
    {&Sounds::playComet, &Sounds::cometSound, "Music/Sounds/comet.wav"},
};
const int effectCount = sizeof(effects) / sizeof(effects[0]);

struct TrackCase {
    void (Sounds::*set)();
    Mix_Music* Sounds::*slot;
    const char* file;
};

const TrackCase tracks[] = {
    {&Sounds::setMusicToEnemyTown, &Sounds::enemyTownMusic, "Music/Sounds/fight2.wav"},
    {&Sounds::setMusicToIntro, &Sounds::introMusic, "Music/Soundtrack1Peril.wav"},
    {&Sounds::setMusicToHomeTown, &Sounds::homeTownMusic, "Music/Sounds/homeTown.wav"},
    {&Sounds::setMusicToBirds, &Sounds::birdsMusic, "Music/Sounds/birdsChirping.wav"},
    {&Sounds::setMusicToWaterfall, &Sounds::waterfallMusic, "Music/Sounds/waterfall.wav"},
    {&Sounds::setMusicToWind, &Sounds::windMusic, "Music/Sounds/wind.wav"},
    {&Sounds::setMusicToThunder, &Sounds::thunderMusic, "Music/Sounds/thunder.wav"},
    {&Sounds::setMusicToSad, &Sounds::sadMusic, "Music/Sounds/sadSong.wav"},
    {&Sounds::setMusicToFight, &Sounds::fightMusic, "Music/Sounds/bossTheme.wav"},
    {&Sounds::setMusicToLotr, &Sounds::lotrMusic, "Music/Sounds/lotr.wav"},
};

// Effect i lasts a length of its own, so a chunk tells which file it came from.
int effectFrames(int i) { return 4000 + 250 * i; }
// The mixer's stereo 16-bit copy of a mono effect.
int effectBytes(int i) { return effectFrames(i) * 4; }
// Track i holds one constant sample value, so the mixed stream tells which plays.
int16_t trackValue(int i) { return (int16_t)(1000 * (i + 1)); }

// What the post-mix hook saw: the first left sample of every mixed buffer.
// The mixer holds the audio lock while it mixes and while a track changes,
// so every buffer numbered from mixedBuffers on mixes after the change.
std::atomic<int> mixedBuffers{0};
std::atomic<int> firstSamples[4096];
void recordMix(void*, Uint8* stream, int) {
    int n = mixedBuffers;
    firstSamples[n % 4096] = *(int16_t*)stream;
    mixedBuffers = n + 1;
}

// The first sample of buffer number n, waiting up to 5 s for it to be mixed.
int firstSampleOf(int n) {
    for (int i = 0; i < 500 && mixedBuffers <= n; ++i) SDL_Delay(10);
    EXPECT_GT(mixedBuffers.load(), n) << "the mixer stalled";
    return firstSamples[n % 4096];
}

std::atomic<long> channelBytes[64];
void countBytes(int channel, void*, int len, void*) {
    if (channel >= 0 && channel < 64) channelBytes[channel] += len;
}

class SoundBank : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<WorkingDirectory> inFolder;
    Sounds sounds;

    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 4096), 0) << Mix_GetError();
        inFolder.reset(new WorkingDirectory(folder.path()));
    }

    void TearDown() override {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        SDL_Quit();
    }

    void writeAllFiles() {
        for (int i = 0; i < effectCount; ++i) {
            std::vector<int16_t> samples(effectFrames(i));
            for (size_t k = 0; k < samples.size(); ++k) samples[k] = (int16_t)((k % 50) * 40 - 1000);
            folder.writeWav(effects[i].file, samples, 1);
        }
        for (int i = 0; i < 10; ++i) {
            folder.writeWav(tracks[i].file, std::vector<int16_t>(2 * 22050, trackValue(i)), 2);
        }
    }

    static int playingChannels() { return Mix_Playing(-1); }

    // The chunk of the one channel that plays, or null.
    static Mix_Chunk* playingChunk() {
        for (int c = 0; c < Mix_AllocateChannels(-1); ++c) {
            if (Mix_Playing(c)) return Mix_GetChunk(c);
        }
        return nullptr;
    }
};

TEST_F(SoundBank, EachEffectPlaysItsOwnFile) {
    writeAllFiles();
    sounds.loadAllSounds();
    for (int i = 0; i < effectCount; ++i) {
        SCOPED_TRACE(effects[i].file);
        Mix_Chunk* chunk = sounds.*effects[i].slot;
        ASSERT_NE(chunk, nullptr);
        EXPECT_EQ((int)chunk->alen, effectBytes(i));
        (sounds.*effects[i].play)(1);
        if (effects[i].play == &Sounds::playComet) {
            EXPECT_EQ(playingChannels(), 0) << "the comet effect is loaded but never heard";
        } else {
            EXPECT_EQ(playingChannels(), 1);
            EXPECT_EQ(playingChunk(), chunk);
        }
        Mix_HaltChannel(-1);
    }
}

TEST_F(SoundBank, TimesIsHowOftenTheEffectSoundsOnOneChannel) {
    writeAllFiles();
    sounds.loadAllSounds();
    int jump = 4;  // playJump in the table
    for (int times : {1, 3}) {
        SCOPED_TRACE(times);
        int channels = Mix_AllocateChannels(-1);
        for (int c = 0; c < channels; ++c) {
            channelBytes[c] = 0;
            ASSERT_NE(Mix_RegisterEffect(c, countBytes, nullptr, nullptr), 0);
        }
        sounds.playJump(times);
        for (int i = 0; i < 500 && playingChannels() > 0; ++i) SDL_Delay(10);
        ASSERT_EQ(playingChannels(), 0) << "still playing after 5 s";
        int used = 0;
        for (int c = 0; c < channels; ++c) {
            if (channelBytes[c] == 0) continue;
            ++used;
            EXPECT_EQ(channelBytes[c], (long)times * effectBytes(jump));
        }
        EXPECT_EQ(used, 1);
        for (int c = 0; c < channels; ++c) Mix_UnregisterAllEffects(c);
    }
}

TEST_F(SoundBank, EachMusicChangePlaysItsOwnTrack) {
    writeAllFiles();
    sounds.loadAllSounds();
    Mix_SetPostMix(recordMix, nullptr);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(tracks[i].file);
        ASSERT_NE(sounds.*tracks[i].slot, nullptr);
        (sounds.*tracks[i].set)();
        int next = mixedBuffers;
        EXPECT_EQ(Mix_PlayingMusic(), 1);
        EXPECT_EQ(firstSampleOf(next), trackValue(i));
    }
}

TEST_F(SoundBank, ChangingToTheSameTrackStartsItAgain) {
    // A rising ramp: the first sample of a buffer tells how far the track got.
    std::vector<int16_t> ramp;
    for (int frame = 0; frame < 3 * 22050; ++frame) {
        ramp.push_back((int16_t)(frame / 4));
        ramp.push_back((int16_t)(frame / 4));
    }
    folder.writeWav("Music/Sounds/homeTown.wav", ramp, 2);
    sounds.loadAllSounds();
    Mix_SetPostMix(recordMix, nullptr);

    sounds.setMusicToHomeTown();
    int started = mixedBuffers;
    EXPECT_EQ(firstSampleOf(started), 0);
    // 4096 frames a buffer: the third buffer begins 8192 frames in.
    ASSERT_GE(firstSampleOf(started + 2), 2048);
    sounds.setMusicToHomeTown();
    EXPECT_EQ(firstSampleOf(mixedBuffers), 0) << "the track goes on instead of starting again";
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SoundBank, MusicChangeWhilePausedPlaysAtOnce) {
    writeAllFiles();
    sounds.loadAllSounds();
    sounds.setMusicToWind();
    Mix_PauseMusic();
    ASSERT_EQ(Mix_PausedMusic(), 1);
    sounds.setMusicToSad();
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    Mix_SetPostMix(recordMix, nullptr);
    EXPECT_EQ(firstSampleOf(mixedBuffers), trackValue(7));
}

TEST_F(SoundBank, MissingFilesLeaveSilentSlots) {
    // Only one effect and one track exist; everything else is missing.
    folder.writeWav("Music/Sounds/heal.wav", std::vector<int16_t>(4000, 500), 1);
    folder.writeWav("Music/Sounds/wind.wav", std::vector<int16_t>(44100, 700), 2);
    folder.writeText("Music/Sounds/squeak2.wav", "RIFF but not really a wave file");
    sounds.loadAllSounds();
    for (const EffectCase& effect : effects) {
        SCOPED_TRACE(effect.file);
        EXPECT_EQ(sounds.*effect.slot == nullptr, std::string(effect.file) != "Music/Sounds/heal.wav");
        if (sounds.*effect.slot == nullptr) {
            (sounds.*effect.play)(1);
            EXPECT_EQ(playingChannels(), 0);
        }
    }
    sounds.setMusicToWind();
    ASSERT_EQ(Mix_PlayingMusic(), 1);
    for (const TrackCase& track : tracks) {
        SCOPED_TRACE(track.file);
        EXPECT_EQ(sounds.*track.slot == nullptr, std::string(track.file) != "Music/Sounds/wind.wav");
    }
    // A missing track still stops the one before: the new music is silence.
    sounds.setMusicToThunder();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sounds.playHeal(1);
    EXPECT_EQ(playingChannels(), 1);
}

TEST_F(SoundBank, NoRepeatCountBelowOnce) {
    writeAllFiles();
    sounds.loadAllSounds();
    for (int times : {0, -1}) {
        sounds.playShoot(times);
        EXPECT_EQ(playingChannels(), 0) << times;
    }
}

TEST_F(SoundBank, FillsEverySlotFromTheAssetPack) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    if (data == nullptr || !std::filesystem::is_directory(std::string(data) + "/Music/Sounds")) {
        GTEST_SKIP() << "no asset pack with sounds in TAVIR_DATA_DIR yet";
    }
    WorkingDirectory inPack(data);
    sounds.loadAllSounds();
    for (const EffectCase& effect : effects) EXPECT_NE(sounds.*effect.slot, nullptr) << effect.file;
    for (const TrackCase& track : tracks) EXPECT_NE(sounds.*track.slot, nullptr) << track.file;
}

}  // namespace
