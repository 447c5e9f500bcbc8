/* Preloaded into the game by the end-to-end scripts: logs the effects the
 * mixer loads and is asked to play, by file, and the music's pauses and
 * resumes, one line each, to the file named by TAVIR_MIXER_LOG. Nothing else
 * changes. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef void* (*RWFromFile)(const char*, const char*);
typedef void* (*LoadWAV)(void*, int);
typedef int (*PlayChannel)(int, void*, int, int);
typedef void (*MusicCall)(void);

static char lastFile[512];
static struct {
    void* chunk;
    char file[512];
} loaded[64];
static int loadedCount;

static void logLine(const char* format, const char* text) {
    const char* path = getenv("TAVIR_MIXER_LOG");
    if (!path) return;
    FILE* out = fopen(path, "a");
    if (!out) return;
    fprintf(out, format, text);
    fclose(out);
}

void* SDL_RWFromFile(const char* file, const char* mode) {
    static RWFromFile real;
    if (!real) real = (RWFromFile)dlsym(RTLD_NEXT, "SDL_RWFromFile");
    snprintf(lastFile, sizeof lastFile, "%s", file ? file : "");
    return real(file, mode);
}

void* Mix_LoadWAV_RW(void* src, int freesrc) {
    static LoadWAV real;
    if (!real) real = (LoadWAV)dlsym(RTLD_NEXT, "Mix_LoadWAV_RW");
    void* chunk = real(src, freesrc);
    if (chunk && loadedCount < 64) {
        loaded[loadedCount].chunk = chunk;
        snprintf(loaded[loadedCount].file, sizeof loaded[loadedCount].file, "%s", lastFile);
        loadedCount++;
        logLine("load %s\n", lastFile);
    }
    return chunk;
}

int Mix_PlayChannelTimed(int channel, void* chunk, int loops, int ticks) {
    static PlayChannel real;
    if (!real) real = (PlayChannel)dlsym(RTLD_NEXT, "Mix_PlayChannelTimed");
    const char* name = "unknown";
    for (int i = 0; i < loadedCount; i++) {
        if (loaded[i].chunk == chunk) name = loaded[i].file;
    }
    logLine("play %s\n", name);
    return real(channel, chunk, loops, ticks);
}

void Mix_PauseMusic(void) {
    static MusicCall real;
    if (!real) real = (MusicCall)dlsym(RTLD_NEXT, "Mix_PauseMusic");
    logLine("%s\n", "pause music");
    real();
}

void Mix_ResumeMusic(void) {
    static MusicCall real;
    if (!real) real = (MusicCall)dlsym(RTLD_NEXT, "Mix_ResumeMusic");
    logLine("%s\n", "resume music");
    real();
}
