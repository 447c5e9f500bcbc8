#ifndef WORLDTYPE_H
#define WORLDTYPE_H

// The look of an island: its ground and cliff textures and its plants.
enum WorldType {
    GRASS_WORLD = 0,
    LAVA_WORLD = 1,
    SNOW_WORLD = 2,
    MYSTIC_WORLD = 3,
    DIRT_WORLD = 4
};

#endif
