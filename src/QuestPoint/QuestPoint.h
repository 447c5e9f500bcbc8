#ifndef QUESTPOINT_H
#define QUESTPOINT_H

#include <memory>

#include "QuestPoint/QuestPointId.h"
#include "Vector3D/Vector3D.h"

class Mesh;
class Texture;

// A story trigger on an island, shown as a translucent red icon. It fires
// once per approach: within 8 units, then silent until the hero has been
// more than 16 away. Not an Object.
class QuestPoint {
public:
    QuestPoint(Vector3D position, Mesh* mesh, int id);
    virtual ~QuestPoint();

    // Picks the story picture of the id; any id outside 0 to 5 is fatal.
    void setTexture();
    int getId();
    Vector3D getPosition();

    // True once when the point comes within 8 (3-D distance minus radius);
    // while triggered it only re-arms, and never fires in the same call.
    bool checkIfInRadius(Vector3D* point, float radius);
    void checkIfQuestItemShouldReset(Vector3D* point, float radius);

    // The icon, blended in (1.0, 0.1, 0.1, 0.6).
    void drawIcon();
    // The story picture over the whole screen.
    void draw();
    void drawStoryBoardItem();
    static void viewOrtho();
    static void viewPerspective();

    // The story picture is shared: whoever still shows it after the point
    // is removed keeps it alive by holding this, and draws it with
    // drawStoryPicture.
    std::shared_ptr<Texture> getStoryPicture();
    static void drawStoryPicture(Texture* picture);

private:
    static void drawStoryBoardItem(Texture* picture);

    int id;
    bool triggered;
    Vector3D position;
    // Borrowed from the asset registry.
    Mesh* mesh;
    std::shared_ptr<Texture> texture;

    float distanceTo(Vector3D* point, float radius);

    QuestPoint(const QuestPoint&) = delete;
    QuestPoint& operator=(const QuestPoint&) = delete;
};

#endif
