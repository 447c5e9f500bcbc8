#include "QuestPoint/QuestPoint.h"

#include <cassert>

#include "Mesh/Mesh.h"
#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"
#include "ScreenProjection/ScreenProjection.h"

const float QUEST_FIRE_DISTANCE = 8.0f;
const float QUEST_RESET_DISTANCE = 16.0f;

QuestPoint::QuestPoint(Vector3D position, Mesh* mesh, int id)
    : id(id), triggered(false), position(position), mesh(mesh), texture(std::make_shared<Texture>()) {
    setTexture();
}

QuestPoint::~QuestPoint() {}

void QuestPoint::setTexture() {
    switch (id) {
    case VILLAGE_ELDER_QUEST:
        texture->setFile("Story/VillageElderStory.bmp");
        break;
    case KING_INTRO_QUEST:
        texture->setFile("Story/KingIntroStory.bmp");
        break;
    case KING_RETURN_QUEST:
        texture->setFile("Story/KingReturnStory.bmp");
        break;
    case PRINCESS_QUEST:
        texture->setFile("Story/PrincessStory.bmp");
        break;
    case LADY_OF_THE_LAKE_QUEST:
        texture->setFile("Story/LadyOfTheLakeStory.bmp");
        break;
    case EVIL_WIZARD_INTRO_QUEST:
        texture->setFile("Story/EvilWizardIntroStory.bmp");
        break;
    default:
        assert(false);
    }
}

int QuestPoint::getId() { return id; }

Vector3D QuestPoint::getPosition() { return position; }

float QuestPoint::distanceTo(Vector3D* point, float radius) {
    Vector3D between = position.subtract(point);
    return between.getLength() - radius;
}

bool QuestPoint::checkIfInRadius(Vector3D* point, float radius) {
    if (triggered) {
        checkIfQuestItemShouldReset(point, radius);
        return false;
    }
    triggered = distanceTo(point, radius) <= QUEST_FIRE_DISTANCE;
    return triggered;
}

void QuestPoint::checkIfQuestItemShouldReset(Vector3D* point, float radius) {
    if (distanceTo(point, radius) > QUEST_RESET_DISTANCE) {
        triggered = false;
    }
}

void QuestPoint::drawIcon() {
    glPushMatrix();
    glEnable(GL_BLEND);
    glTranslatef(position.x, position.y, position.z);
    glColor4f(1.0f, 0.1f, 0.1f, 0.6f);
    assert(mesh);
    mesh->drawWithNothing();
    glDisable(GL_BLEND);
    glPopMatrix();
}

void QuestPoint::draw() { drawStoryPicture(texture.get()); }

void QuestPoint::drawStoryPicture(Texture* picture) {
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glLoadIdentity();
    viewOrtho();
    glDisable(GL_DEPTH_TEST);
    drawStoryBoardItem(picture);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void QuestPoint::drawStoryBoardItem() { drawStoryBoardItem(texture.get()); }

void QuestPoint::drawStoryBoardItem(Texture* picture) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    // Unlike the other overlays, drawn (white) even when the picture failed
    // to load.
    picture->bindGLTexture();
    ScreenProjection::quad(true);
    glDisable(GL_TEXTURE_2D);
}

void QuestPoint::viewOrtho() { ScreenProjection::push(); }

void QuestPoint::viewPerspective() { ScreenProjection::pop(); }

std::shared_ptr<Texture> QuestPoint::getStoryPicture() { return texture; }
