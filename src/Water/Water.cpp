#include "Water/Water.h"

#include <cassert>
#include <utility>

#include "OpenGL/OpenGL.h"

Water::Water(int level, int index) : isWater(true), height(0.0f), alpha(0.0f) {
    switch (level) {
    case 1:
        setUpLevel1Water();
        break;
    case 4:
        if (index == 1) {
            setUpLevel4Water1();
        } else if (index == 2) {
            setUpLevel4Water2();
        } else {
            assert(false);
        }
        break;
    case 7:
        setUpLevel7Water();
        break;
    case 8:
        setUpLevel8Water();
        break;
    case 9:
        setUpLevel9Water();
        break;
    case 10:
        setUpLevel10Water();
        break;
    case 12:
        setUpLevel12Water();
        break;
    default:
        assert(false);
    }
    fillTriangles = triangulate(outline);
}

Water::~Water() {}

void Water::addCorners(const float (*corners)[2], int count) {
    for (int i = 0; i < count; i++) {
        outline.push_back(Vector3D(corners[i][0], 0.0f, corners[i][1]));
    }
}

void Water::setUpLevel1Water() {
    static const float corners[][2] = {
        {117.529f, 31.1964f}, {73.4492f, -111.898f}, {-39.1265f, -21.7108f}, {-123.838f, 97.5372f},
        {-86.4515f, 103.061f}};
    addCorners(corners, 5);
    alpha = 0.6f;
    height = 2.5f;
}

void Water::setUpLevel4Water1() {
    static const float corners[][2] = {
        {95.0989f, 34.6854f},   {103.006f, -63.2162f}, {50.3761f, -97.8575f},
        {-40.8385f, -80.3423f}, {-75.6107f, 6.73603f}, {-23.059f, 76.1393f}};
    addCorners(corners, 6);
    alpha = 0.85f;
    height = 22.5041f;
}

void Water::setUpLevel4Water2() {
    static const float corners[][2] = {
        {-40.1972f, 34.0069f}, {-50.3807f, 23.4033f}, {-55.1139f, 21.8439f},
        {-63.8857f, 22.6566f}, {-71.1553f, 29.0414f}, {-68.4351f, 46.0879f},
        {-42.6342f, 49.1016f}, {-37.0259f, 40.2704f}, {-38.4987f, 35.6107f}};
    addCorners(corners, 9);
    alpha = 0.55f;
    height = 48.5808f;
}

void Water::setUpLevel7Water() {
    static const float corners[][2] = {
        {26.304f, 12.7271f},  {-34.6558f, 31.4388f}, {-6.38842f, 75.0585f},
        {37.5246f, 76.1369f}, {49.4924f, 69.4858f},  {48.643f, 41.0623f}};
    addCorners(corners, 6);
    alpha = 0.6f;
    height = 7.09621f;
}

void Water::setUpLevel8Water() {
    static const float corners[][2] = {
        {-98.0604f, 4.11275f},  {-52.0361f, 31.8931f}, {5.93933f, 47.0324f},   {29.908f, 46.3635f},
        {61.5798f, 18.4881f},   {58.3164f, -22.5402f}, {37.6314f, -42.834f},   {-6.62242f, -37.8205f},
        {-22.1563f, -11.2179f}, {-28.5233f, 3.43136f}, {-48.5226f, 3.26732f},  {-68.0585f, -10.6266f},
        {-98.6363f, -14.0156f}};
    addCorners(corners, 13);
    alpha = 0.8f;
    height = 2.21376f;
}

void Water::setUpLevel9Water() {
    static const float corners[][2] = {
        {-91.2933f, -13.7016f}, {-17.876f, -1.97357f}, {14.2083f, -88.6064f}, {-87.9196f, -111.779f}};
    addCorners(corners, 4);
    alpha = 0.7f;
    height = 13.6478f;
    isWater = false;
}

void Water::setUpLevel10Water() {
    static const float corners[][2] = {
        {-93.1213f, -44.6579f}, {-81.7177f, -36.5698f}, {-65.9057f, -34.602f},  {-37.4263f, 7.38815f},
        {17.3791f, 26.908f},    {63.9583f, -1.75923f},  {79.5124f, -31.384f},   {80.8577f, -46.1926f},
        {54.5708f, -61.6642f},  {43.8898f, -38.0715f},  {1.40816f, -23.9549f},  {-1.71443f, -61.8994f},
        {-39.3938f, -68.2038f}, {-59.6064f, -59.629f},  {-88.2941f, -64.9522f}};
    addCorners(corners, 15);
    alpha = 0.7f;
    height = 8.9974f;
    isWater = false;
}

// No island builds this plane. Its height is the one level 10 uses, kept
// as it stands although the corners were taken between 37.6 and 43.1.
void Water::setUpLevel12Water() {
    static const float corners[][2] = {
        {41.639f, -63.6765f},  {3.97078f, -67.6185f}, {-18.9338f, -66.9578f}, {-36.4047f, -59.5716f},
        {-53.4982f, -42.7297f}, {-62.2201f, -31.7841f}, {-63.498f, 7.14998f},  {-40.8365f, 37.6385f},
        {-33.4271f, 41.4547f}, {-13.5503f, 47.6164f}, {14.444f, 48.1094f},    {29.5965f, 40.405f},
        {37.1035f, 28.5998f},  {50.5586f, 13.9351f},  {54.5393f, 5.88855f},   {52.6368f, -29.0294f},
        {45.9883f, -41.3278f}, {44.9012f, -50.2243f}, {51.2771f, -62.6709f}};
    addCorners(corners, 19);
    alpha = 0.7f;
    height = 8.9974f;
}

void Water::draw() {
    if (isWater) {
        glColor4f(0.0f, 0.5f, 1.0f, alpha);
    } else {
        glColor4f(1.0f, 0.0f, 0.0f, alpha);
    }
    glBegin(GL_TRIANGLES);
    for (size_t i = 0; i < fillTriangles.size(); i++) {
        const Vector3D& corner = outline[fillTriangles[i]];
        glNormal3f(0.0f, 1.0f, 0.0f);
        glVertex3f(corner.x, height, corner.z);
    }
    for (size_t i = fillTriangles.size(); i > 0; i--) {
        const Vector3D& corner = outline[fillTriangles[i - 1]];
        glNormal3f(0.0f, 1.0f, 0.0f);
        glVertex3f(corner.x, height, corner.z);
    }
    glEnd();
}

bool Water::isInWater(Vector3D* centre, float radius) { return centre->y - radius <= height; }

void Water::update() {}

// Twice the signed area of the triangle a, b, c in the x-z plane.
static double turn(const Vector3D& a, const Vector3D& b, const Vector3D& c) {
    return ((double)b.x - a.x) * ((double)c.z - a.z) - ((double)b.z - a.z) * ((double)c.x - a.x);
}

// Inside or on the border of a triangle that turns positively.
static bool inTriangle(const Vector3D& p, const Vector3D& a, const Vector3D& b, const Vector3D& c) {
    return turn(a, b, p) >= 0.0 && turn(b, c, p) >= 0.0 && turn(c, a, p) >= 0.0;
}

std::vector<int> Water::triangulate(const std::vector<Vector3D>& corners) {
    std::vector<int> triangles;
    int n = (int)corners.size();
    if (n < 3) {
        return triangles;
    }
    double twiceArea = 0.0;
    for (int i = 0; i < n; i++) {
        const Vector3D& a = corners[i];
        const Vector3D& b = corners[(i + 1) % n];
        twiceArea += (double)a.x * b.z - (double)b.x * a.z;
    }
    // Clip ears in positive order, then hand them back in the outline's turn.
    bool negative = twiceArea < 0.0;
    std::vector<int> remaining;
    for (int i = 0; i < n; i++) {
        remaining.push_back(negative ? n - 1 - i : i);
    }
    while (remaining.size() > 3) {
        int m = (int)remaining.size();
        int ear = -1;
        for (int i = 0; i < m && ear < 0; i++) {
            const Vector3D& a = corners[remaining[(i + m - 1) % m]];
            const Vector3D& b = corners[remaining[i]];
            const Vector3D& c = corners[remaining[(i + 1) % m]];
            if (turn(a, b, c) <= 0.0) {
                continue;
            }
            bool empty = true;
            for (int j = 0; j < m && empty; j++) {
                if (j == i || j == (i + m - 1) % m || j == (i + 1) % m) {
                    continue;
                }
                empty = !inTriangle(corners[remaining[j]], a, b, c);
            }
            if (empty) {
                ear = i;
            }
        }
        if (ear < 0) {
            // Only a self-crossing or degenerate outline has no ear left.
            break;
        }
        triangles.push_back(remaining[(ear + m - 1) % m]);
        triangles.push_back(remaining[ear]);
        triangles.push_back(remaining[(ear + 1) % m]);
        remaining.erase(remaining.begin() + ear);
    }
    if (remaining.size() == 3) {
        triangles.insert(triangles.end(), remaining.begin(), remaining.end());
    }
    if (negative) {
        for (size_t t = 0; t < triangles.size(); t += 3) {
            std::swap(triangles[t + 1], triangles[t + 2]);
        }
    }
    return triangles;
}
