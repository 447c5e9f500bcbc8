#ifndef WATERFALL_H
#define WATERFALL_H

#include <vector>

#include "Vector3D/Vector3D.h"

class Particle;
class Texture;

// An invisible crest line from which spray falls, one per island at most.
// Each frame of its island it emits a batch of particles into the
// controller's list. Not an Object: never drawn or tested.
class Waterfall {
public:
    Vector3D start;
    Vector3D end;
    // end - start.
    Vector3D direction;
    // The crest turned a quarter about y: the spray's starting velocity,
    // brought to length 0.6 by the first emission.
    Vector3D side;
    float length;
    // Borrowed: the large particles' and the small ones'.
    Texture* firstTexture;
    Texture* secondTexture;

    Waterfall(int level, Texture* firstTexture, Texture* secondTexture);
    virtual ~Waterfall();

    // 30 to 39 new particles, the large ones first.
    void update(std::vector<Particle*>* particles);

    void setupWaterfallLevel1();
    void setupWaterfallLevel4();
    void setupWaterfallLevel7();
    void setupWaterfallLevel8();
};

#endif
