#ifndef SKYBOX_H
#define SKYBOX_H

#include "Object/Object.h"

// The sky around the viewer, centred on it every frame. Minimal for now:
// its six pictures are not drawn yet.
class SkyBox : public Object {
public:
    SkyBox();
    virtual ~SkyBox();

    void draw() override;
};

#endif
