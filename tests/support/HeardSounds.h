#ifndef TESTS_SUPPORT_HEARDSOUNDS_H
#define TESTS_SUPPORT_HEARDSOUNDS_H

// A sound bank loaded into the real mixer under SDL's silent audio driver,
// with every effect two seconds long, so that a test can ask which effects
// an action started:
//
//     HeardSounds heard;
//     shop.buy(...);               // with heard.sounds as the shop's bank
//     EXPECT_EQ(heard.take(), (std::vector<std::string>{"error"}));

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Sounds/Sounds.h"
#include "support/Fixtures.h"

class HeardSounds {
public:
    Sounds sounds;

    HeardSounds() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 4096) != 0) {
            error = std::string("no audio: ") + SDL_GetError();
            return;
        }
        open = true;
        TempFolder folder;
        std::vector<int16_t> samples(2 * 22050);
        for (size_t k = 0; k < samples.size(); ++k) samples[k] = (int16_t)((k % 40) * 50 - 1000);
        for (const Effect& effect : effects()) {
            folder.writeWav(effect.file, samples, 1);
        }
        WorkingDirectory inFolder(folder.path());
        sounds.loadAllSounds();
    }

    ~HeardSounds() {
        if (!open) return;
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (const Effect& effect : effects()) {
            Mix_Chunk*& chunk = sounds.*effect.slot;
            if (chunk) Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    HeardSounds(const HeardSounds&) = delete;
    HeardSounds& operator=(const HeardSounds&) = delete;

    bool isOpen() const { return open; }
    const std::string& getError() const { return error; }

    // The effects playing now, by name in channel order, which are then
    // stopped so that the next take hears only what follows.
    std::vector<std::string> take() {
        std::vector<std::string> names;
        for (int c = 0; c < Mix_AllocateChannels(-1); ++c) {
            if (!Mix_Playing(c)) continue;
            Mix_Chunk* chunk = Mix_GetChunk(c);
            std::string name = "unknown";
            for (const Effect& effect : effects()) {
                if (chunk == sounds.*effect.slot) name = effect.name;
            }
            names.push_back(name);
        }
        Mix_HaltChannel(-1);
        return names;
    }

private:
    struct Effect {
        const char* name;
        Mix_Chunk* Sounds::*slot;
        const char* file;
    };

    // The effects the screens play.
    static const std::vector<Effect>& effects() {
        static const std::vector<Effect> list = {
            {"turn", &Sounds::turnMenuSound, "Music/Sounds/turnInMenu.wav"},
            {"error", &Sounds::errorSound, "Music/Sounds/error.wav"},
            {"coins", &Sounds::getCoinsSound, "Music/Sounds/getCoins.wav"},
            {"bringUp", &Sounds::bringUpItemSound, "Music/Sounds/bringUpItem.wav"},
            {"unequip", &Sounds::unequipSound, "Music/Sounds/unequip.wav"},
            {"getItem", &Sounds::getItemSound, "Music/Sounds/getItem.wav"},
            {"heal", &Sounds::healSound, "Music/Sounds/heal.wav"},
            {"shop", &Sounds::shopSound, "Music/Sounds/openDoor.wav"},
            {"closeShop", &Sounds::closeShopSound, "Music/Sounds/doorclose.wav"},
        };
        return list;
    }

    bool open = false;
    std::string error;
};

#endif
