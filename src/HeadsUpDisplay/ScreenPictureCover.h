#ifndef SCREENPICTURECOVER_H
#define SCREENPICTURECOVER_H

#include <vector>

class Texture;

// Where a picture drawn blended over the whole screen can change
// the frame. Its magenta pixels load fully transparent, and a fully
// transparent fragment leaves the frame as it was; the heads-up pictures are
// mostly transparent. The quad is still drawn whole, once per box with the
// scissor set to it, so every pixel it does touch gets the same texture
// coordinate as before and the frame is exactly the same.
class ScreenPictureCover {
public:
    // Screen pixels, x right and y down from the top left.
    struct Box {
        int x, y, width, height;
    };

    ScreenPictureCover();

    // From the picture's pixels, opaque[row * width + column] non-zero where
    // a pixel is not fully transparent, the top row first.
    void build(const std::vector<char>& opaque, int width, int height);
    // Reads the texture's file; false, leaving the cover unknown, when it
    // cannot be read.
    bool readPicture(Texture& texture);
    bool isKnown() const;
    const std::vector<Box>& getBoxes() const;
    // The texture over the whole screen, blended as the caller set it up;
    // drawn whole while the cover is unknown, the scissor test is already
    // on, or the viewport is not the whole screen.
    void drawFullScreen(Texture& texture);

private:
    bool known;
    std::vector<Box> boxes;
};

#endif
