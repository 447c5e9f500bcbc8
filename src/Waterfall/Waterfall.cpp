#include "Waterfall/Waterfall.h"

#include <cassert>

#include "GeneralMath/GeneralMath.h"
#include "Particle/WaterfallParticle/WaterfallParticle.h"

const double QUARTER_TURN = 1.5707963267948966;
const double SPRAY_SPEED = 0.6;

Waterfall::Waterfall(int level, Texture* firstTexture, Texture* secondTexture)
    : length(0.0f), firstTexture(firstTexture), secondTexture(secondTexture) {
    switch (level) {
    case 1:
        setupWaterfallLevel1();
        break;
    case 4:
        setupWaterfallLevel4();
        break;
    case 7:
        setupWaterfallLevel7();
        break;
    case 8:
        setupWaterfallLevel8();
        break;
    default:
        assert(false);
    }
    direction = end.subtract(&start);
    length = direction.getLength();
    side = direction.rotateAroundYAxis(QUARTER_TURN);
}

Waterfall::~Waterfall() {}

void Waterfall::setupWaterfallLevel1() {
    start.setCoords(-119.343f, 2.0f, 97.4653f);
    end.setCoords(-93.5454f, 2.0f, 101.386f);
}

void Waterfall::setupWaterfallLevel4() {
    start.setCoords(-41.6366f, 49.147f, 33.382f);
    end.setCoords(-49.1084f, 48.1386f, 24.9153f);
}

void Waterfall::setupWaterfallLevel7() {
    start.setCoords(44.8652f, 27.9564f, 63.098f);
    end.setCoords(36.1388f, 28.3361f, 71.3094f);
}

void Waterfall::setupWaterfallLevel8() {
    end.setCoords(-98.6866f, 2.58177f, 1.20209f);
    start.setCoords(-98.8053f, 2.26243f, -10.2681f);
}

void Waterfall::update(std::vector<Particle*>* particles) {
    int count = GeneralMath::getRandomNumber(30, 40);
    int large = GeneralMath::getRandomNumber(count / 3, (int)(count * 0.5));
    int crestSteps = (int)(100 * length);
    for (int i = 0; i < count; i++) {
        bool small = i >= large;
        side.setLength(SPRAY_SPEED);
        Vector3D velocity = side;
        Vector3D along = direction;
        along.setLength(GeneralMath::getRandomNumber(0, crestSteps) / 100.0);
        Vector3D position = start.add(&along);
        WaterfallParticle* particle = new WaterfallParticle(&position, &velocity, small);
        particle->setTexture(small ? secondTexture : firstTexture);
        particles->push_back(particle);
    }
}
