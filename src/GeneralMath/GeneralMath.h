#ifndef GENERALMATH_H
#define GENERALMATH_H

// Holder of static helpers; never instantiated.
class GeneralMath {
public:
    GeneralMath();
    virtual ~GeneralMath();

    // lo ... hi - 1 from the unseeded rand(), so every run draws the same
    // sequence. hi must exceed lo.
    static int getRandomNumber(int lo, int hi);
};

#endif
