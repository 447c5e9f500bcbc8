#ifndef PORTAL_H
#define PORTAL_H

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

// A local portal on the terrain. Minimal for now: opening, growth, drawing
// and passage come with the portals themselves.
class Portal : public Object {
public:
    Portal();
    virtual ~Portal();

    // A portal is drawn only through the view of its pair.
    void draw() override;
    // The normal of the portal plane, not normalised.
    Vector3D getNormal();

protected:
    Vector3D normal;
};

#endif
