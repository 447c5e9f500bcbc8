#include "ArmsLegs/SphereList.h"

#include <utility>
#include <vector>

#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"

static void quadricSphere(float radius) {
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, GL_TRUE);
    gluSphere(quadric, radius, 40, 40);
    gluDeleteQuadric(quadric);
}

void SphereList::draw(float radius) {
    // Lists die with their context, so a new context starts an empty table.
    static std::vector<std::pair<float, GLuint>> lists;
    static int madeIn = -1;
    if (madeIn != GLContext::getGeneration()) {
        lists.clear();
        madeIn = GLContext::getGeneration();
    }
    for (const auto& made : lists) {
        if (made.first == radius) {
            glCallList(made.second);
            return;
        }
    }
    GLuint list = glGenLists(1);
    if (list == 0) {
        quadricSphere(radius);
        return;
    }
    glNewList(list, GL_COMPILE);
    quadricSphere(radius);
    glEndList();
    lists.emplace_back(radius, list);
    glCallList(list);
}
