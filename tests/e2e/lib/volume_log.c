/* Preloaded beside the sound log by the end-to-end scripts: writes the
 * music volume to $TAVIR_VOLUME_LOG ("volume 20") each time the game sets
 * a different one. The call goes on to the real mixer unchanged. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

int Mix_VolumeMusic(int volume) {
    static int (*real)(int);
    static int last = -2;
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "Mix_VolumeMusic");
    if (volume != last && volume >= 0) {
        const char* path = getenv("TAVIR_VOLUME_LOG");
        FILE* out = path ? fopen(path, "a") : NULL;
        if (out) {
            fprintf(out, "volume %d\n", volume);
            fclose(out);
        }
        last = volume;
    }
    return real ? real(volume) : 0;
}
