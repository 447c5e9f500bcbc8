#ifndef PARTICLEBATCH_H
#define PARTICLEBATCH_H

#include <vector>

#include "Vector3D/Vector3D.h"

class Texture;

// Gathers the frame's particle squares and draws each run of squares that
// share a texture with one vertex array call, in the order they were added.
// The GL state each run sets and leaves is what drawing the squares one by
// one would set and leave, so the picture and the blending are the same.
class ParticleBatch {
public:
    ParticleBatch();
    ~ParticleBatch();

    // A square centred on centre with half-diagonals up - side and up + side.
    void addQuad(Texture* texture, const Vector3D& centre, const Vector3D& up, const Vector3D& side);
    // Draws what is gathered; the batch is empty afterwards.
    void flush();
    int getQuadCount() const;

private:
    Texture* texture;
    std::vector<float> vertices;
    std::vector<float> texCoords;

    ParticleBatch(const ParticleBatch&) = delete;
    ParticleBatch& operator=(const ParticleBatch&) = delete;
};

#endif
