#ifndef ASSETGEN_TERRAINCANVAS_H
#define ASSETGEN_TERRAINCANVAS_H

#include <cstdint>
#include <functional>
#include <vector>

// A point of an island's ground plane in world units (x east, z south).
struct Spot {
    double x;
    double z;
};

// A shape on the ground plane: negative inside, and roughly the distance
// to its edge in world units, so shapes can be grown and roughened.
using Region = std::function<double(double x, double z)>;

Region disc(Spot centre, double radius);
Region ellipse(Spot centre, double radiusX, double radiusZ);
// Rounded square: |dx/a|^p + |dz/b|^p <= 1.
Region superellipse(Spot centre, double radiusX, double radiusZ, double power);
Region box(double x0, double z0, double x1, double z1);
Region polygon(std::vector<Spot> corners);
// The rectangle of the given width whose centre line runs from a to b.
Region band(Spot a, Spot b, double width);
// Everything on the far side of the line through `point`, seen along `outward`.
Region beyond(Spot point, Spot outward);
Region unite(std::vector<Region> parts);
Region intersect(Region a, Region b);
Region subtract(Region a, Region b);
Region grow(Region region, double amount);
// Moves the edge in and out by up to `amplitude` with smooth noise.
Region roughen(Region region, double amplitude, double scale, uint32_t seed);

// Smooth value noise in -1..1, and a few octaves of it; the same for the
// same arguments on every machine.
double valueNoise(double x, double z, uint32_t seed);
double fractalNoise(double x, double z, uint32_t seed, int octaves);

bool insidePolygon(const std::vector<Spot>& corners, double x, double z);

// One island's height samples while it is shaped: whole levels 0..51 or no
// ground. Sample (i, j) stands at world (i - side/2, j - side/2), side/2 in
// integer division, the way the game places the height map.
class TerrainCanvas {
public:
    static const int HOLE = -1;
    static const int TOP = 51;

    explicit TerrainCanvas(int side);

    int getSide() const { return side; }
    int getHalf() const { return half; }
    double worldX(int i) const { return i - half; }
    double worldZ(int j) const { return j - half; }
    bool onGrid(int i, int j) const { return i >= 0 && j >= 0 && i < side && j < side; }
    int level(int i, int j) const { return onGrid(i, j) ? levels[(size_t)j * side + i] : HOLE; }
    void setLevel(int i, int j, int value);

    // Sets every sample inside the region (ground or not) to what the rule
    // gives for its world point and current level.
    void paint(const Region& region, const std::function<int(double x, double z, int current)>& rule);
    void fill(const Region& region, int value);
    // Like fill, but only where there is ground already.
    void fillGround(const Region& region, int value);
    void carve(const Region& region);
    // Never higher than `ceiling` inside the region.
    void cap(const Region& region, int ceiling);

    // A straight flight from `from` at `fromLevel` to `to` at `toLevel`: one
    // tread per whole level, all of the same depth along the flight.
    void stairs(Spot from, int fromLevel, Spot to, int toLevel, double width);

    // Samples away from the edge of the map, small stray pieces of ground and
    // enclosed pits without ground are tidied away.
    void finish();

    // Distance in samples from each sample to the nearest one without ground.
    std::vector<float> coastDistance() const;

    // The byte of each sample as the game reads it (level / 5 truncated).
    std::vector<uint8_t> bytes() const;

private:
    int side;
    int half;
    std::vector<int> levels;
};

// The byte stored for a level: the middle of its range of five.
uint8_t levelByte(int level);

#endif
