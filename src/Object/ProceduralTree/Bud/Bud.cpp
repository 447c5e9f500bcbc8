#include "Object/ProceduralTree/Bud/Bud.h"

#include <cassert>

#include "GeneralMath/GeneralMath.h"

Bud::Bud(Vector3D position, int order, Vector3D direction)
    : position(position), order(order), direction(direction), internodeCount(0), leafCount(0) {
    numInternodes();
    numLeaves();
    calculateEndPoints(SPAWN_LEAF);
    calculateEndPoints(SPAWN_INTERNODE);
}

Bud::~Bud() {}

int Bud::numInternodes() {
    if (order == 0 || (order >= 6 && order <= 9)) {
        internodeCount = GeneralMath::getRandomNumber(1, 2);
    } else if (order == 1) {
        internodeCount = GeneralMath::getRandomNumber(3, 6);
    } else if (order == 2 || order == 3) {
        internodeCount = GeneralMath::getRandomNumber(2, 6);
    } else if (order == 4) {
        internodeCount = GeneralMath::getRandomNumber(3, 10);
    } else if (order == 5) {
        internodeCount = GeneralMath::getRandomNumber(1, 3);
    }
    return internodeCount;
}

int Bud::numLeaves() {
    if (order >= 0 && order <= 3) {
        leafCount = 0;
    } else if (order == 4) {
        leafCount = GeneralMath::getRandomNumber(1, 4);
    } else if (order == 5) {
        leafCount = GeneralMath::getRandomNumber(2, 4);
    } else if (order >= 6 && order <= 9) {
        leafCount = GeneralMath::getRandomNumber(4, 6);
    }
    return leafCount;
}

float Bud::getLengthOfInternode() {
    switch (order) {
        case 0:
            return 10.0f;
        case 1:
            return 7.0f;
        case 2:
            return 5.0f;
        case 3:
            return 3.0f;
        case 4:
        case 5:
            return 2.0f;
        default:
            return 0.0f;
    }
}

void Bud::calculateEndPoints(int kind) {
    int n = kind == SPAWN_LEAF ? leafCount : internodeCount;
    if (n <= 0) {
        return;
    }
    double step = 6.283185307179586 / n;
    Vector3D axis = Vector3D::getRandomPerpendicularVector(&direction, &position);
    double prev = 0.0;
    for (int i = 0; i < n; ++i) {
        int r = GeneralMath::getRandomNumber(52, 104);
        double tilt = 0.0;
        if (order != 0) {
            tilt = n == 1 ? GeneralMath::getRandomNumber(1, 52) / 100.0 : r / 100.0;
        }
        double next = prev + step;
        double azimuth = GeneralMath::getRandomNumber((int)(100.0 * prev), (int)(100.0 * next)) / 100.0;

        Vector3D v = direction.getUnitVector();
        // A bud at the world origin can draw the origin as its tilt axis;
        // turning about a zero axis would give non-numbers.
        if (tilt != 0.0 && !axis.isEmpty()) {
            v = v.rotateAroundVector(tilt, &axis);
        }
        v = v.rotateAroundVector(azimuth, &direction);
        v = v.multiply(getLengthOfInternode());
        if (kind == SPAWN_INTERNODE) {
            endPoints.push_back(position.add(&v));
        } else {
            leafDirections.push_back(v);
        }
        prev = next;
    }
}

int Bud::spawnWhat() {
    if (order > 8 || order == 5) {
        return SPAWN_LEAF;
    }
    if (order == 0) {
        return SPAWN_INTERNODE;
    }
    int r = 0;
    if (order == 1) {
        r = GeneralMath::getRandomNumber(0, 20);
    } else if (order == 3) {
        r = GeneralMath::getRandomNumber(0, 30);
    } else if (order == 2 || order == 4 || (order >= 6 && order <= 8)) {
        r = GeneralMath::getRandomNumber(0, 25);
    }
    return r > 20 ? SPAWN_LEAF : SPAWN_INTERNODE;
}

int Bud::getNumInterNodes() { return internodeCount; }

int Bud::getNumLeaves() { return leafCount; }

Vector3D Bud::getEndPoint(unsigned i) {
    assert(i< endPoints.size());
    return endPoints[i];
}

Vector3D Bud::getLeafDirection(unsigned i) {
    assert(i <leafDirections.size());
    return leafDirections[i];
}

Vector3D Bud::getPosition() { return position; }

int Bud::getOrder() { return order; }

Vector3D Bud::getDirection() { return direction; }
