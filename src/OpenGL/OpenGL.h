#ifndef TAVIR_OPENGL_H
#define TAVIR_OPENGL_H

// GLEW must come before any other GL header; every file that calls OpenGL
// includes this one instead of the system headers.
#include <GL/glew.h>
#include <GL/glu.h>

#endif
