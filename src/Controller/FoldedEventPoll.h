#ifndef FOLDEDEVENTPOLL_H
#define FOLDEDEVENTPOLL_H

#include <SDL.h>

// Takes the next pending event, like SDL_PollEvent. A mouse motion event
// also takes every other motion event still queued, so a moving mouse
// cannot starve the keyboard while the loop handles one event per frame;
// the motion handler reads SDL's accumulated relative state, so the
// dropped events carry nothing it needs. The event keeps the latest
// pointer position. Every other event stays queued in order.
bool pollFoldedEvent(SDL_Event* event);

#endif
