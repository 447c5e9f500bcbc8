#include "GLContext/GLContext.h"

bool GLContext::alive = false;

bool GLContext::isAlive() { return alive; }

void GLContext::setAlive(bool value) { alive = value; }
