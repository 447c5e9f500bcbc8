#include "Controller/FoldedEventPoll.h"

bool pollFoldedEvent(SDL_Event* event) {
    if (!SDL_PollEvent(event)) {
        return false;
    }
    if (event->type == SDL_MOUSEMOTION) {
        SDL_Event later[64];
        int count;
        while ((count = SDL_PeepEvents(later, 64, SDL_GETEVENT, SDL_MOUSEMOTIONMASK)) > 0) {
            event->motion = later[count - 1].motion;
        }
    }
    return true;
}
