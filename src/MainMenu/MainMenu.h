#ifndef MAINMENU_H
#define MAINMENU_H

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
    void lookAt();
    void draw();
    void showIntroScreen();
    void showGameOverScreen();
};

#endif
