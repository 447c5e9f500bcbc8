#include "OpenGL/GLContext.h"

bool GLContext::alive = false;
int GLContext::generation = 0;

bool GLContext::isAlive() { return alive; }

void GLContext::setAlive(bool value) {
    if (value && !alive) {
        generation++;
    }
    alive = value;
}

int GLContext::getGeneration() { return generation; }
