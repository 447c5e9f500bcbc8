#include "MainMenu/MainMenu.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>

#include "OpenGL/OpenGL.h"
#include "Vector3D/Vector3D.h"

// Buttons are 220 x 60, edges included.
static bool inButton(int x, int y, int left, int top) { return x >= left && x <= left + 220 && y >= top && y <= top + 60; }

MainMenu::MainMenu() : gameStarted(false) {}

MainMenu::~MainMenu() {}

void MainMenu::processMousePosition(int, int) {}

void MainMenu::processMouseDown(int, int) {}

void MainMenu::processMouseUp(int x, int y, bool& menuOpen, bool& introRequested) {
    if (inButton(x, y, 290, 200)) {
        menuOpen = false;
        SDL_ShowCursor(0);
        if (!gameStarted) {
            introRequested = true;
        }
        return;
    }
    if (inButton(x, y, 290, 380)) {
        exit(0);
    }
}

void MainMenu::setGameStarted(bool started) { gameStarted = started; }

void MainMenu::resetButtons() {}

void MainMenu::getMenuView(Vector3D& eye, Vector3D& center, Vector3D& up) {
    eye.setCoords(-83.3341f, 42.431f, 81.1295f);
    center.setCoords(5.789f, 6.3f, -0.786f);
    Vector3D direction = eye.getDirectionTo(&center);
    Vector3D yAxis(0.0f, 1.0f, 0.0f);
    Vector3D axis = Vector3D::getCrossProduct(&yAxis, &direction);
    up = direction.rotateAroundVector(M_PI / 2, &axis);
}

void MainMenu::lookAt() {
    Vector3D eye, center, up;
    getMenuView(eye, center, up);
    gluLookAt(eye.x, eye.y, eye.z, center.x, center.y, center.z, up.x, up.y, up.z);
}

// Minimal: the menu pages and the two story pictures are not drawn yet.
void MainMenu::draw() {}

void MainMenu::showIntroScreen() {}

void MainMenu::showGameOverScreen() {}
