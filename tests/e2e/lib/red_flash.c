/* Watches a region of the screen for the red tint the game lays over one
 * frame after the hero is hit: against the frame shown before it, green
 * falls to about half while red rises towards full. A screenshot now and
 * then would mostly miss a single frame; this reads the region every few
 * milliseconds.
 *
 *     red_flash X Y WIDTH HEIGHT SECONDS
 *
 * Exit status 0 when a flash was seen, 1 when none came in time, 2 when
 * the display cannot be read. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
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
    if (argc != 6) {
        fprintf(stderr, "usage: red_flash X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    int x = atoi(argv[1]), y = atoi(argv[2]), w = atoi(argv[3]), h = atoi(argv[4]);
    double limit = atof(argv[5]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "red_flash: no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    double end = now() + limit;
    double lastR = -1, lastG = -1;
    while (now() < end) {
        XImage* image = XGetImage(display, root, x, y, w, h, AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "red_flash: cannot read the screen\n");
            return 2;
        }
        int rs = shift(image->red_mask), gs = shift(image->green_mask);
        double r = 0, g = 0;
        for (int j = 0; j < h; j++) {
            for (int i = 0; i < w; i++) {
                unsigned long p = XGetPixel(image, i, j);
                r += (p & image->red_mask) >> rs;
                g += (p & image->green_mask) >> gs;
            }
        }
        XDestroyImage(image);
        r /= (double)w * h;
        g /= (double)w * h;
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
