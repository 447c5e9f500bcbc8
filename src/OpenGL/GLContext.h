#ifndef GLCONTEXT_H
#define GLCONTEXT_H

// Whether an OpenGL context exists. The entry point sets it once the video
// mode is up and clears it when SDL shuts down; objects that own OpenGL
// names skip deleting them once it is clear (at exit, after SDL_Quit).
class GLContext {
public:
    static bool isAlive();
    static void setAlive(bool alive);
    // Counts the contexts made so far; what lives in one context is known
    // by the count it was made under.
    static int getGeneration();

private:
    static bool alive;
    static int generation;
};

#endif
