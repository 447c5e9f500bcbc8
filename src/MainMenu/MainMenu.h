#ifndef MAINMENU_H
#define MAINMENU_H

#include "Vector3D/Vector3D.h"

// The title menu. Minimal for now: the start and quit buttons answer
// releases in their rectangles; pictures, hover and the other pages come
// with the menu itself.
class MainMenu {
public:
    bool gameStarted;

    MainMenu();
    virtual ~MainMenu();

    void processMousePosition(int x, int y);
    void processMouseDown(int x, int y);
    void processMouseUp(int x, int y, bool& menuOpen, bool& introRequested);
    void setGameStarted(bool started);
    void resetButtons();
    // The fixed view of the world behind the menu before a game has begun;
    // the up vector is not normalised.
    static void getMenuView(Vector3D& eye, Vector3D& center, Vector3D& up);
    // Loads that view into the current matrix.
    void lookAt();
    void draw();
    void showIntroScreen();
    void showGameOverScreen();
};

#endif
