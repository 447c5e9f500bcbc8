#ifndef MAINMENU_H
#define MAINMENU_H

#include "MainMenu/Button.h"
#include "Texture/Texture.h"
#include "Vector3D/Vector3D.h"

// The title menu, drawn over the live world: a main page of buttons and the
// controls and credits pages with their back button. It also draws the
// intro and game-over pictures and holds the fixed view of the world behind
// the menu. The controller feeds it the mouse while the menu is open and
// reads back the two flags a release writes.
class MainMenu {
public:
    bool gameStarted;
    Button startButton;
    Button resumeButton;
    Button controlButton;
    Button quitButton;
    Button backButton;
    Button creditsButton;
    Texture mainMenuTexture;
    Texture controlsTexture;
    Texture creditsTexture;
    Texture introTexture;
    Texture gameOverTexture;
    bool showControls;
    bool showCredits;

    MainMenu();
    virtual ~MainMenu();

    void setGameStarted(bool started);
    // A release only ever closes the menu (clears `menuOpen`) or asks for
    // the intro (sets `introRequested`); quit ends the process here.
    void processMouseUp(int x, int y, bool& menuOpen, bool& introRequested);
    void processMouseDown(int x, int y);
    void processMousePosition(int x, int y);
    void resetButtons();

    void draw();
    void showIntroScreen();
    void showGameOverScreen();

    // The fixed view of the world behind the menu before a game has begun;
    // the up vector is not normalised.
    static void getMenuView(Vector3D& eye, Vector3D& center, Vector3D& up);
    // Loads that view into the current matrix.
    void lookAt();
    void viewPerspective();

private:
    bool onPage() const { return showControls || showCredits; }
    void viewOrtho();
    void drawFullScreen(Texture& picture);
    void drawPicture(Texture& picture);
};

#endif
