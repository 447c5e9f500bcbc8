#ifndef ASSETGEN_PICTUREFONT_H
#define ASSETGEN_PICTUREFONT_H

#include <string>
#include <vector>

#include "PictureCanvas.h"

// Lettering for the pictures, rendered by FreeType from the DejaVu fonts.
// Every thread keeps its own FreeType library and faces.

enum class FontFace { Sans, SansBold, Serif, SerifBold, SerifItalic, SerifBoldItalic, SansCondensedBold };
enum class Align { Left, Centre, Right };

struct TextStyle {
    FontFace face = FontFace::Sans;
    float size = 20;  // pixels per em
    Colour colour{1, 1, 1};
    float outline = 0;  // width of a surrounding stroke, in pixels
    Colour outlineColour{0, 0, 0};
    float shadow = 0;  // offset of a drop shadow down and right, in pixels
    Colour shadowColour{0, 0, 0};
    float shadowOpacity = 0.6f;
};

inline TextStyle textStyle(FontFace face, float size, Colour colour) {
    TextStyle style;
    style.face = face;
    style.size = size;
    style.colour = colour;
    return style;
}

float textWidth(const TextStyle& style, const std::string& utf8);
float lineAscent(const TextStyle& style);  // baseline below the top of a line

// Draws one line with its baseline at y; x is the left end, the centre or
// the right end by the alignment.
void drawText(Canvas& canvas, float x, float baseline, const std::string& utf8, const TextStyle& style,
              Align align = Align::Left);

// Breaks text into lines no wider than maxWidth; '\n' forces a break.
std::vector<std::string> wrapText(const TextStyle& style, const std::string& utf8, float maxWidth);

// Draws wrapped text from the top of its first line; returns the y below
// the last line.
float drawParagraph(Canvas& canvas, float x, float top, float width, const std::string& utf8, const TextStyle& style,
                    float lineHeight, Align align = Align::Left);

#endif
