/* Preloaded into the game by the end-to-end scripts: logs which music and
 * effect files are loaded and played, one line each, to $TAVIR_SOUND_LOG:
 *   music FILE       a track starts (Mix_PlayMusic)
 *   effect FILE      an effect starts (Mix_PlayChannelTimed)
 * The calls go on to the real mixer unchanged. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define SLOTS 256

struct name {
    const void* key;
    char file[256];
};

static struct name musics[SLOTS], streams[SLOTS], chunks[SLOTS];
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

static void remember(struct name* table, const void* key, const char* file) {
    if (!key) return;
    for (int i = 0; i < SLOTS; i++) {
        if (!table[i].key || table[i].key == key) {
            table[i].key = key;
            snprintf(table[i].file, sizeof table[i].file, "%s", file);
            return;
        }
    }
}

static const char* lookUp(struct name* table, const void* key) {
    for (int i = 0; i < SLOTS && table[i].key; i++)
        if (table[i].key == key) return table[i].file;
    return "?";
}

static void logLine(const char* kind, const char* file) {
    const char* path = getenv("TAVIR_SOUND_LOG");
    if (!path) return;
    FILE* out = fopen(path, "a");
    if (!out) return;
    fprintf(out, "%s %s\n", kind, file);
    fclose(out);
}

static void* next(const char* symbol) {
    void* real = dlsym(RTLD_NEXT, symbol);
    if (!real) {
        fprintf(stderr, "sound_log: no %s\n", symbol);
        abort();
    }
    return real;
}

Mix_Music* Mix_LoadMUS(const char* file) {
    static Mix_Music* (*real)(const char*);
    if (!real) real = (Mix_Music * (*)(const char*)) next("Mix_LoadMUS");
    Mix_Music* music = real(file);
    pthread_mutex_lock(&lock);
    remember(musics, music, file);
    pthread_mutex_unlock(&lock);
    return music;
}

int Mix_PlayMusic(Mix_Music* music, int loops) {
    static int (*real)(Mix_Music*, int);
    if (!real) real = (int (*)(Mix_Music*, int))next("Mix_PlayMusic");
    pthread_mutex_lock(&lock);
    logLine("music", lookUp(musics, music));
    pthread_mutex_unlock(&lock);
    return real(music, loops);
}

SDL_RWops* SDL_RWFromFile(const char* file, const char* mode) {
    static SDL_RWops* (*real)(const char*, const char*);
    if (!real) real = (SDL_RWops * (*)(const char*, const char*)) next("SDL_RWFromFile");
    SDL_RWops* stream = real(file, mode);
    if (stream && strncmp(file, "Music/", 6) == 0) {
        pthread_mutex_lock(&lock);
        remember(streams, stream, file);
        pthread_mutex_unlock(&lock);
    }
    return stream;
}

Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* stream, int freeStream) {
    static Mix_Chunk* (*real)(SDL_RWops*, int);
    if (!real) real = (Mix_Chunk * (*)(SDL_RWops*, int)) next("Mix_LoadWAV_RW");
    pthread_mutex_lock(&lock);
    char file[256];
    snprintf(file, sizeof file, "%s", lookUp(streams, stream));
    pthread_mutex_unlock(&lock);
    Mix_Chunk* chunk = real(stream, freeStream);
    pthread_mutex_lock(&lock);
    remember(chunks, chunk, file);
    pthread_mutex_unlock(&lock);
    return chunk;
}

int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    static int (*real)(int, Mix_Chunk*, int, int);
    if (!real) real = (int (*)(int, Mix_Chunk*, int, int))next("Mix_PlayChannelTimed");
    pthread_mutex_lock(&lock);
    logLine("effect", lookUp(chunks, chunk));
    pthread_mutex_unlock(&lock);
    return real(channel, chunk, loops, ticks);
}
