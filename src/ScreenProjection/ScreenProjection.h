#ifndef SCREENPROJECTION_H
#define SCREENPROJECTION_H

// The 800 x 600 screen every 2D overlay draws in: origin at the top left,
// y pointing down. The 3D projection waits on the stack until pop.
class ScreenProjection {
public:
    static void push();
    static void pop();
};

#endif
