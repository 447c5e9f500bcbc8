/* A sound log for the end-to-end scripts, preloaded into the game: every
 * effect played and every track started is written, one line each, to the
 * file named by TAVIR_SOUND_LOG ("effect Music/Sounds/portalOpen.wav",
 * "music Music/Sounds/homeTown.wav"). The game itself is unchanged; the
 * names come from the files the mixer was given to load.
 *
 *     cc -shared -fPIC -o soundlog.so soundlog.c -ldl
 *     LD_PRELOAD=./soundlog.so TAVIR_SOUND_LOG=sounds.log tavir
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define NAMES 256

static char lastOpened[512];
static struct {
    void* what;
    char name[512];
} names[NAMES];
static int nameCount;

static void remember(void* what, const char* name) {
    if (what && nameCount < NAMES) {
        names[nameCount].what = what;
        snprintf(names[nameCount].name, sizeof names[nameCount].name, "%s", name);
        nameCount++;
    }
}

static const char* nameOf(void* what) {
    for (int i = 0; i < nameCount; i++) {
        if (names[i].what == what) return names[i].name;
    }
    return "?";
}

static void note(const char* kind, void* what) {
    const char* path = getenv("TAVIR_SOUND_LOG");
    if (!path || !what) return;
    FILE* log = fopen(path, "a");
    if (!log) return;
    fprintf(log, "%s %s\n", kind, nameOf(what));
    fclose(log);
}

void* SDL_RWFromFile(const char* file, const char* mode) {
    static void* (*real)(const char*, const char*);
    if (!real) real = (void* (*)(const char*, const char*))dlsym(RTLD_NEXT, "SDL_RWFromFile");
    snprintf(lastOpened, sizeof lastOpened, "%s", file ? file : "");
    return real(file, mode);
}

void* Mix_LoadWAV_RW(void* src, int freesrc) {
    static void* (*real)(void*, int);
    if (!real) real = (void* (*)(void*, int))dlsym(RTLD_NEXT, "Mix_LoadWAV_RW");
    void* chunk = real(src, freesrc);
    remember(chunk, lastOpened);
    return chunk;
}

void* Mix_LoadMUS(const char* file) {
    static void* (*real)(const char*);
    if (!real) real = (void* (*)(const char*))dlsym(RTLD_NEXT, "Mix_LoadMUS");
    void* music = real(file);
    remember(music, file ? file : "");
    return music;
}

int Mix_PlayChannelTimed(int channel, void* chunk, int loops, int ticks) {
    static int (*real)(int, void*, int, int);
    if (!real) real = (int (*)(int, void*, int, int))dlsym(RTLD_NEXT, "Mix_PlayChannelTimed");
    note("effect", chunk);
    return real(channel, chunk, loops, ticks);
}

int Mix_PlayMusic(void* music, int loops) {
    static int (*real)(void*, int);
    if (!real) real = (int (*)(void*, int))dlsym(RTLD_NEXT, "Mix_PlayMusic");
    note("music", music);
    return real(music, loops);
}
