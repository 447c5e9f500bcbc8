#ifndef GREYPICTURE_H
#define GREYPICTURE_H

#include <string>

struct SDL_Surface;

// An 8-bit BMP read for its samples, one byte a pixel: a height map, or an
// overlay laid over one. What is wrong with a file is said in a phrase the
// caller puts in its own message.
class GreyPicture {
public:
    // Opens and decodes the file, held locked for reading until destruction.
    explicit GreyPicture(const char* path);
    ~GreyPicture();

    // Null, with the problem said, when the file cannot be opened, is not a
    // readable BMP image or is not 8-bit.
    const SDL_Surface* surface() const;
    // False, with the problem said, when the picture is read but has fewer
    // than size x size samples.
    bool covers(int size);
    const std::string& problem() const;
    // The sample at an image column and row, the top row first; rows past
    // the picture's bottom read 0.
    unsigned char at(int column, int row) const {
        return row < height ? pixels[column + pitch * row] : 0;
    }

private:
    GreyPicture(const GreyPicture&) = delete;
    GreyPicture& operator=(const GreyPicture&) = delete;

    SDL_Surface* picture;
    const unsigned char* pixels;
    int pitch;
    int height;
    std::string said;
};

#endif
