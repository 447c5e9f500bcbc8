/* Watches a region of the screen for something the game shows for a frame
 * or a few only, which a screenshot now and then would mostly miss; it
 * reads the region every few milliseconds.
 *
 *     screen_watch flash X Y WIDTH HEIGHT SECONDS
 *         the red tint laid over one frame after the hero is hit: against
 *         the frame before it, green falls to about half while red rises
 *         towards full.
 *     screen_watch burst X Y WIDTH HEIGHT SECONDS
 *         the pale mint of a dissolving villager's burst: at least 8000
 *         pixels more of it than in the first frame read.
 *
 * Exit status 0 when it was seen, 1 when it did not come in time, 2 when
 * the display cannot be read. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int shift(unsigned long mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        s++;
    }
    return s;
}

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
    if (argc != 7 || (strcmp(argv[1], "flash") != 0 && strcmp(argv[1], "burst") != 0)) {
        fprintf(stderr, "usage: screen_watch flash|burst X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    int flash = strcmp(argv[1], "flash") == 0;
    int x = atoi(argv[2]), y = atoi(argv[3]), w = atoi(argv[4]), h = atoi(argv[5]);
    double limit = atof(argv[6]);
    long firstBurst = -1;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "screen_watch: no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    double end = now() + limit;
    double lastR = -1, lastG = -1;
    while (now() < end) {
        XImage* image = XGetImage(display, root, x, y, w, h, AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "screen_watch: cannot read the screen\n");
            return 2;
        }
        int rs = shift(image->red_mask), gs = shift(image->green_mask), bs = shift(image->blue_mask);
        double r = 0, g = 0;
        long burst = 0;
        for (int j = 0; j < h; j++) {
            for (int i = 0; i < w; i++) {
                unsigned long p = XGetPixel(image, i, j);
                int pr = (int)((p & image->red_mask) >> rs);
                int pg = (int)((p & image->green_mask) >> gs);
                int pb = (int)((p & image->blue_mask) >> bs);
                r += pr;
                g += pg;
                burst += pr > 102 && pg > 140 && pg > pr + 15 && pg > pb + 8 && pb > pr;
            }
        }
        XDestroyImage(image);
        r /= (double)w * h;
        g /= (double)w * h;
        if (!flash) {
            if (firstBurst < 0) {
                firstBurst = burst;
            } else if (burst >= firstBurst + 8000) {
                printf("burst: %ld pixels, %ld at first\n", burst, firstBurst);
                XCloseDisplay(display);
                return 0;
            }
            usleep(3000);
            continue;
        }
        // A tinted frame is half the frame under it plus half of full red.
        if (lastG > 20 && g < 0.7 * lastG && r > lastR + 0.3 * (255 - lastR)) {
            printf("red flash: red %.0f -> %.0f, green %.0f -> %.0f\n", lastR, r, lastG, g);
            XCloseDisplay(display);
            return 0;
        }
        lastR = r;
        lastG = g;
        usleep(3000);
    }
    XCloseDisplay(display);
    return 1;
}
