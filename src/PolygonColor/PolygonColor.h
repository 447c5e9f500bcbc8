#ifndef POLYGONCOLOR_H
#define POLYGONCOLOR_H

// The colour of an untextured mesh, channels 0 to 1; white when new.
class PolygonColor {
public:
    float red;
    float green;
    float blue;

    PolygonColor() : red(1.0f), green(1.0f), blue(1.0f) {}

    float getRed() const { return red; }
    float getGreen() const { return green; }
    float getBlue() const { return blue; }
    void setRed(float value) { red = value; }
    void setGreen(float value) { green = value; }
    void setBlue(float value) { blue = value; }
};

#endif
