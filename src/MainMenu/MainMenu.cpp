#include "MainMenu/MainMenu.h"

#include <SDL.h>

#include <cstdlib>

#include "OpenGL/OpenGL.h"
#include "ScreenProjection/ScreenProjection.h"

static const int BUTTON_WIDTH = 220;
static const int BUTTON_HEIGHT = 60;

MainMenu::MainMenu()
    : gameStarted(false),
      startButton("Textures/MainMenu/startButton", 290, 200, BUTTON_WIDTH, BUTTON_HEIGHT),
      resumeButton("Textures/MainMenu/resumeButton", 290, 200, BUTTON_WIDTH, BUTTON_HEIGHT),
      controlButton("Textures/MainMenu/controlButton", 290, 260, BUTTON_WIDTH, BUTTON_HEIGHT),
      quitButton("Textures/MainMenu/quitButton", 290, 380, BUTTON_WIDTH, BUTTON_HEIGHT),
      backButton("Textures/MainMenu/backButton", 450, 500, BUTTON_WIDTH, BUTTON_HEIGHT),
      creditsButton("Textures/MainMenu/creditsButton", 290, 320, BUTTON_WIDTH, BUTTON_HEIGHT),
      mainMenuTexture("Textures/MainMenu/mainMenu.bmp"), controlsTexture("Textures/MainMenu/controls.bmp"),
      creditsTexture("Textures/MainMenu/credits.bmp"), introTexture("Story/IntroStory.bmp"),
      gameOverTexture("Story/GameOverStory.bmp"), showControls(false), showCredits(false) {}

MainMenu::~MainMenu() {}

void MainMenu::setGameStarted(bool started) { gameStarted = started; }

void MainMenu::processMouseUp(int x, int y, bool& menuOpen, bool& introRequested) {
    bool startClicked = false;
    startButton.processMouseUp(x, y, startClicked);
    if (onPage()) {
        bool backClicked = false;
        backButton.processMouseUp(x, y, backClicked);
        if (backClicked) {
            showControls = false;
            showCredits = false;
        }
        return;
    }
    // Resume shares the start rectangle, so start answers first: once a game
    // has begun it closes the menu without the intro.
    if (startClicked) {
        menuOpen = false;
        SDL_ShowCursor(0);
        if (!gameStarted) {
            introRequested = true;
        }
        return;
    }
    if (gameStarted) {
        bool resumeClicked = false;
        resumeButton.processMouseUp(x, y, resumeClicked);
        if (resumeClicked) {
            menuOpen = false;
            SDL_ShowCursor(0);
            return;
        }
    }
    // All three answer one release: on a shared boundary row two of them
    // can fire.
    bool controlClicked = false;
    controlButton.processMouseUp(x, y, controlClicked);
    if (controlClicked) {
        showControls = true;
    }
    bool creditsClicked = false;
    creditsButton.processMouseUp(x, y, creditsClicked);
    if (creditsClicked) {
        showCredits = true;
    }
    bool quitClicked = false;
    quitButton.processMouseUp(x, y, quitClicked);
    if (quitClicked) {
        exit(0);
    }
}

void MainMenu::processMouseDown(int x, int y) {
    if (onPage()) {
        backButton.processMouseDown(x, y);
        return;
    }
    startButton.processMouseDown(x, y);
    if (gameStarted) {
        resumeButton.processMouseDown(x, y);
    }
    controlButton.processMouseDown(x, y);
    creditsButton.processMouseDown(x, y);
    quitButton.processMouseDown(x, y);
}

void MainMenu::processMousePosition(int x, int y) {
    if (onPage()) {
        backButton.processMousePosition(x, y);
        return;
    }
    startButton.processMousePosition(x, y);
    if (gameStarted) {
        resumeButton.processMousePosition(x, y);
    }
    controlButton.processMousePosition(x, y);
    creditsButton.processMousePosition(x, y);
    quitButton.processMousePosition(x, y);
}

void MainMenu::resetButtons() {
    resumeButton.reset();
    controlButton.reset();
    quitButton.reset();
    backButton.reset();
    showControls = false;
}

void MainMenu::viewOrtho() { ScreenProjection::push(); }

void MainMenu::viewPerspective() { ScreenProjection::pop(); }

void MainMenu::drawPicture(Texture& picture) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    // A picture that could not be loaded leaves the world behind it in
    // sight.
    ScreenProjection::drawPicture(picture);
    glDisable(GL_TEXTURE_2D);
}

void MainMenu::draw() {
    glDisable(GL_LIGHTING);
    SDL_ShowCursor(1);
    glLoadIdentity();
    viewOrtho();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);

    // Controls wins when a shared boundary row set both page flags.
    if (showControls) {
        drawPicture(controlsTexture);
    } else if (showCredits) {
        drawPicture(creditsTexture);
    } else {
        drawPicture(mainMenuTexture);
    }

    if (onPage()) {
        backButton.draw();
    } else {
        startButton.draw();
        if (gameStarted) {
            resumeButton.draw();
        }
        controlButton.draw();
        quitButton.draw();
        creditsButton.draw();
    }

    viewPerspective();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

void MainMenu::drawFullScreen(Texture& picture) {
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLoadIdentity();
    viewOrtho();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    drawPicture(picture);
    viewPerspective();
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

void MainMenu::showIntroScreen() { drawFullScreen(introTexture); }

void MainMenu::showGameOverScreen() { drawFullScreen(gameOverTexture); }

void MainMenu::getMenuView(Vector3D& eye, Vector3D& center, Vector3D& up) {
    eye.setCoords(-83.3341f, 42.431f, 81.1295f);
    center.setCoords(5.789f, 6.3f, -0.786f);
    Vector3D direction = eye.getDirectionTo(&center);
    Vector3D yAxis(0.0f, 1.0f, 0.0f);
    Vector3D axis = Vector3D::getCrossProduct(&yAxis, &direction);
    up = direction.rotateAroundVector(1.5707963267948966, &axis);
}

void MainMenu::lookAt() {
    Vector3D eye, center, up;
    getMenuView(eye, center, up);
    gluLookAt(eye.x, eye.y, eye.z, center.x, center.y, center.z, up.x, up.y, up.z);
}
