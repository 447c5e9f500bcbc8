#include "Sounds/Sounds.h"

Sounds::Sounds()
    : unequipSound(nullptr),
      bringUpItemSound(nullptr),
      hitBossSound(nullptr),
      cometSound(nullptr),
      completeQuestItemSound(nullptr),
      jumpSound(nullptr),
      getCoinsSound(nullptr),
      getItemSound(nullptr),
      shootSound(nullptr),
      healSound(nullptr),
      dangerSound(nullptr),
      turnMenuSound(nullptr),
      hitSound(nullptr),
      enemyShootSound(nullptr),
      underwaterSound(nullptr),
      poofSound(nullptr),
      shopSound(nullptr),
      errorSound(nullptr),
      closeShopSound(nullptr),
      portalOpenSound(nullptr),
      portalCloseSound(nullptr),
      enterPortalSound(nullptr),
      enemyTownMusic(nullptr),
      introMusic(nullptr),
      homeTownMusic(nullptr),
      birdsMusic(nullptr),
      waterfallMusic(nullptr),
      windMusic(nullptr),
      thunderMusic(nullptr),
      sadMusic(nullptr),
      fightMusic(nullptr),
      lotrMusic(nullptr) {}

// The chunks and tracks live until the process ends.
Sounds::~Sounds() {}

Mix_Chunk* Sounds::loadEffect(const char* path) {
    SDL_RWops* stream = SDL_RWFromFile(path, "rb");
    if (stream == nullptr) {
        return nullptr;
    }
    return Mix_LoadWAV_RW(stream, 1);
}

void Sounds::loadAllSounds() {
    cometSound = loadEffect("Music/Sounds/comet.wav");
    portalCloseSound = loadEffect("Music/Sounds/portalClose.wav");
    enterPortalSound = loadEffect("Music/Sounds/enterPortal.wav");
    portalOpenSound = loadEffect("Music/Sounds/portalOpen.wav");
    errorSound = loadEffect("Music/Sounds/error.wav");
    unequipSound = loadEffect("Music/Sounds/unequip.wav");
    completeQuestItemSound = loadEffect("Music/Sounds/finishQuestItem.wav");
    getCoinsSound = loadEffect("Music/Sounds/getCoins.wav");
    getItemSound = loadEffect("Music/Sounds/getItem.wav");
    healSound = loadEffect("Music/Sounds/heal.wav");
    jumpSound = loadEffect("Music/Sounds/squeak2.wav");
    shootSound = loadEffect("Music/Sounds/shootLoud.wav");
    turnMenuSound = loadEffect("Music/Sounds/turnInMenu.wav");
    underwaterSound = loadEffect("Music/Sounds/underwater.wav");
    hitBossSound = loadEffect("Music/Sounds/hitBoss.wav");
    dangerSound = loadEffect("Music/Sounds/danger.wav");
    poofSound = loadEffect("Music/Sounds/enemyPoof.wav");
    hitSound = loadEffect("Music/Sounds/squeak.wav");
    enemyShootSound = loadEffect("Music/Sounds/enemyShoot.wav");
    shopSound = loadEffect("Music/Sounds/openDoor.wav");
    closeShopSound = loadEffect("Music/Sounds/doorclose.wav");
    bringUpItemSound = loadEffect("Music/Sounds/bringUpItem.wav");

    thunderMusic = Mix_LoadMUS("Music/Sounds/thunder.wav");
    windMusic = Mix_LoadMUS("Music/Sounds/wind.wav");
    waterfallMusic = Mix_LoadMUS("Music/Sounds/waterfall.wav");
    birdsMusic = Mix_LoadMUS("Music/Sounds/birdsChirping.wav");
    homeTownMusic = Mix_LoadMUS("Music/Sounds/homeTown.wav");
    introMusic = Mix_LoadMUS("Music/Soundtrack1Peril.wav");
    sadMusic = Mix_LoadMUS("Music/Sounds/sadSong.wav");
    fightMusic = Mix_LoadMUS("Music/Sounds/bossTheme.wav");
    lotrMusic = Mix_LoadMUS("Music/Sounds/lotr.wav");
    enemyTownMusic = Mix_LoadMUS("Music/Sounds/fight2.wav");
}

void Sounds::play(Mix_Chunk* chunk, int times) {
    // A missing file leaves its slot null: the effect is simply not heard.
    // Fewer than one time would mean "loop forever" to the mixer.
    if (chunk == nullptr || times < 1) {
        return;
    }
    Mix_PlayChannelTimed(-1, chunk, times - 1, -1);
}

void Sounds::changeMusic(Mix_Music* track) {
    Mix_HaltMusic();
    if (track != nullptr) {
        Mix_PlayMusic(track, -1);
    }
}

void Sounds::playUnequip(int times) { play(unequipSound, times); }
void Sounds::playBringUpItem(int times) { play(bringUpItemSound, times); }
void Sounds::playHitBoss(int times) { play(hitBossSound, times); }
void Sounds::playComet(int) {}
void Sounds::playCompleteQuestItem(int times) { play(completeQuestItemSound, times); }
void Sounds::playJump(int times) { play(jumpSound, times); }
void Sounds::playGetCoins(int times) { play(getCoinsSound, times); }
void Sounds::playGetItem(int times) { play(getItemSound, times); }
void Sounds::playShoot(int times) { play(shootSound, times); }
void Sounds::playHeal(int times) { play(healSound, times); }
void Sounds::playDanger(int times) { play(dangerSound, times); }
void Sounds::playTurnMenu(int times) { play(turnMenuSound, times); }
void Sounds::playHit(int times) { play(hitSound, times); }
void Sounds::playEnemyShoot(int times) { play(enemyShootSound, times); }
void Sounds::playUnderwater(int times) { play(underwaterSound, times); }
void Sounds::playPoof(int times) { play(poofSound, times); }
void Sounds::playShop(int times) { play(shopSound, times); }
void Sounds::playError(int times) { play(errorSound, times); }
void Sounds::playCloseShop(int times) { play(closeShopSound, times); }
void Sounds::playPortalOpen(int times) { play(portalOpenSound, times); }
void Sounds::playPortalClose(int times) { play(portalCloseSound, times); }
void Sounds::playEnterPortal(int times) { play(enterPortalSound, times); }

void Sounds::setMusicToEnemyTown() { changeMusic(enemyTownMusic); }
void Sounds::setMusicToIntro() { changeMusic(introMusic); }
void Sounds::setMusicToHomeTown() { changeMusic(homeTownMusic); }
void Sounds::setMusicToBirds() { changeMusic(birdsMusic); }
void Sounds::setMusicToWaterfall() { changeMusic(waterfallMusic); }
void Sounds::setMusicToWind() { changeMusic(windMusic); }
void Sounds::setMusicToThunder() { changeMusic(thunderMusic); }
void Sounds::setMusicToSad() { changeMusic(sadMusic); }
void Sounds::setMusicToFight() { changeMusic(fightMusic); }
void Sounds::setMusicToLotr() { changeMusic(lotrMusic); }
