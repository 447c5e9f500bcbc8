/* Preloaded into the game by the end-to-end scripts: logs what the mixer is
 * given, one line each, to the file named by TAVIR_SOUND_LOG:
 *   log open         the shim is loaded (written first)
 *   load FILE        an effect is loaded
 *   effect FILE      an effect starts
 *   music FILE       a track starts
 *   pause music      the music pauses
 *   resume music     the music resumes
 *   volume N         the music volume is set to a new value
 * Every call goes on to the real mixer unchanged. Built by the build as a
 * test target (tavir_sound_log). */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
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
            snprintf(table[i].file, sizeof table[i].file, "%s", file ? file : "");
            return;
        }
    }
}

static const char* lookUp(struct name* table, const void* key) {
    for (int i = 0; i < SLOTS && table[i].key; i++)
        if (table[i].key == key) return table[i].file;
    return "?";
}

/* Called with the lock held. */
static void logLine(const char* kind, const char* what) {
    const char* path = getenv("TAVIR_SOUND_LOG");
    if (!path) return;
    FILE* out = fopen(path, "a");
    if (!out) return;
    fprintf(out, "%s%s%s\n", kind, what ? " " : "", what ? what : "");
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

__attribute__((constructor)) static void opened(void) {
    pthread_mutex_lock(&lock);
    logLine("log open", NULL);
    pthread_mutex_unlock(&lock);
}

void* Mix_LoadMUS(const char* file) {
    static void* (*real)(const char*);
    if (!real) real = (void* (*)(const char*))next("Mix_LoadMUS");
    void* music = real(file);
    pthread_mutex_lock(&lock);
    remember(musics, music, file);
    pthread_mutex_unlock(&lock);
    return music;
}

int Mix_PlayMusic(void* music, int loops) {
    static int (*real)(void*, int);
    if (!real) real = (int (*)(void*, int))next("Mix_PlayMusic");
    pthread_mutex_lock(&lock);
    logLine("music", lookUp(musics, music));
    pthread_mutex_unlock(&lock);
    return real(music, loops);
}

void* SDL_RWFromFile(const char* file, const char* mode) {
    static void* (*real)(const char*, const char*);
    if (!real) real = (void* (*)(const char*, const char*))next("SDL_RWFromFile");
    void* stream = real(file, mode);
    if (stream && file && strncmp(file, "Music/", 6) == 0) {
        pthread_mutex_lock(&lock);
        remember(streams, stream, file);
        pthread_mutex_unlock(&lock);
    }
    return stream;
}

void* Mix_LoadWAV_RW(void* stream, int freeStream) {
    static void* (*real)(void*, int);
    if (!real) real = (void* (*)(void*, int))next("Mix_LoadWAV_RW");
    char file[256];
    pthread_mutex_lock(&lock);
    snprintf(file, sizeof file, "%s", lookUp(streams, stream));
    pthread_mutex_unlock(&lock);
    void* chunk = real(stream, freeStream);
    if (chunk) {
        pthread_mutex_lock(&lock);
        remember(chunks, chunk, file);
        logLine("load", file);
        pthread_mutex_unlock(&lock);
    }
    return chunk;
}

int Mix_PlayChannelTimed(int channel, void* chunk, int loops, int ticks) {
    static int (*real)(int, void*, int, int);
    if (!real) real = (int (*)(int, void*, int, int))next("Mix_PlayChannelTimed");
    pthread_mutex_lock(&lock);
    logLine("effect", lookUp(chunks, chunk));
    pthread_mutex_unlock(&lock);
    return real(channel, chunk, loops, ticks);
}

void Mix_PauseMusic(void) {
    static void (*real)(void);
    if (!real) real = (void (*)(void))next("Mix_PauseMusic");
    pthread_mutex_lock(&lock);
    logLine("pause music", NULL);
    pthread_mutex_unlock(&lock);
    real();
}

void Mix_ResumeMusic(void) {
    static void (*real)(void);
    if (!real) real = (void (*)(void))next("Mix_ResumeMusic");
    pthread_mutex_lock(&lock);
    logLine("resume music", NULL);
    pthread_mutex_unlock(&lock);
    real();
}

int Mix_VolumeMusic(int volume) {
    static int (*real)(int);
    static int last = -2;
    if (!real) real = (int (*)(int))next("Mix_VolumeMusic");
    pthread_mutex_lock(&lock);
    if (volume >= 0 && volume != last) {
        char text[16];
        snprintf(text, sizeof text, "%d", volume);
        logLine("volume", text);
        last = volume;
    }
    pthread_mutex_unlock(&lock);
    return real(volume);
}
