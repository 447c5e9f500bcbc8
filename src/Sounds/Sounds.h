#ifndef SOUNDS_H
#define SOUNDS_H

#include <SDL_mixer.h>

// The game's sound bank: 22 effects and 10 music tracks, loaded once the
// audio device is open. A slot whose file is missing stays null and playing
// it does nothing.
class Sounds {
public:
    Mix_Chunk* unequipSound;
    Mix_Chunk* bringUpItemSound;
    Mix_Chunk* hitBossSound;
    Mix_Chunk* cometSound;
    Mix_Chunk* completeQuestItemSound;
    Mix_Chunk* jumpSound;
    Mix_Chunk* getCoinsSound;
    Mix_Chunk* getItemSound;
    Mix_Chunk* shootSound;
    Mix_Chunk* healSound;
    Mix_Chunk* dangerSound;
    Mix_Chunk* turnMenuSound;
    Mix_Chunk* hitSound;
    Mix_Chunk* enemyShootSound;
    Mix_Chunk* underwaterSound;
    Mix_Chunk* poofSound;
    Mix_Chunk* shopSound;
    Mix_Chunk* errorSound;
    Mix_Chunk* closeShopSound;
    Mix_Chunk* portalOpenSound;
    Mix_Chunk* portalCloseSound;
    Mix_Chunk* enterPortalSound;

    Mix_Music* enemyTownMusic;
    Mix_Music* introMusic;
    Mix_Music* homeTownMusic;
    Mix_Music* birdsMusic;
    Mix_Music* waterfallMusic;
    Mix_Music* windMusic;
    Mix_Music* thunderMusic;
    Mix_Music* sadMusic;
    Mix_Music* fightMusic;
    Mix_Music* lotrMusic;

    Sounds();
    virtual ~Sounds();

    // Needs an open audio device (Mix_OpenAudio).
    void loadAllSounds();

    // Each plays its effect the given number of times in a row on the first
    // free channel.
    void playUnequip(int times);
    void playBringUpItem(int times);
    void playHitBoss(int times);
    void playComet(int times);  // silent on purpose
    void playCompleteQuestItem(int times);
    void playJump(int times);
    void playGetCoins(int times);
    void playGetItem(int times);
    void playShoot(int times);
    void playHeal(int times);
    void playDanger(int times);
    void playTurnMenu(int times);
    void playHit(int times);
    void playEnemyShoot(int times);
    void playUnderwater(int times);
    void playPoof(int times);
    void playShop(int times);
    void playError(int times);
    void playCloseShop(int times);
    void playPortalOpen(int times);
    void playPortalClose(int times);
    void playEnterPortal(int times);

    // Each stops the current track and loops the new one forever, even when
    // it is the same track (it starts again from the beginning).
    void setMusicToEnemyTown();
    void setMusicToIntro();
    void setMusicToHomeTown();
    void setMusicToBirds();
    void setMusicToWaterfall();
    void setMusicToWind();
    void setMusicToThunder();
    void setMusicToSad();
    void setMusicToFight();
    void setMusicToLotr();

private:
    static Mix_Chunk* loadEffect(const char* path);
    static void play(Mix_Chunk* chunk, int times);
    static void changeMusic(Mix_Music* track);

    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;
};

#endif
