#include "PictureFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const char* const fontFolder = "/usr/share/fonts/truetype/dejavu/";

const char* fileOf(FontFace face) {
    switch (face) {
        case FontFace::Sans: return "DejaVuSans.ttf";
        case FontFace::SansBold: return "DejaVuSans-Bold.ttf";
        case FontFace::Serif: return "DejaVuSerif.ttf";
        case FontFace::SerifBold: return "DejaVuSerif-Bold.ttf";
        case FontFace::SerifItalic: return "DejaVuSerif-Italic.ttf";
        case FontFace::SerifBoldItalic: return "DejaVuSerif-BoldItalic.ttf";
        case FontFace::SansCondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    }
    return "DejaVuSans.ttf";
}

class Fonts {
public:
    Fonts() {
        if (FT_Init_FreeType(&library) != 0) fail("cannot start FreeType");
    }
    ~Fonts() {
        for (auto& entry : faces) FT_Done_Face(entry.second);
        FT_Done_FreeType(library);
    }
    FT_Face face(FontFace which, float size) {
        auto found = faces.find(which);
        FT_Face face;
        if (found == faces.end()) {
            std::string path = std::string(fontFolder) + fileOf(which);
            if (FT_New_Face(library, path.c_str(), 0, &face) != 0) fail("cannot open font " + path);
            faces[which] = face;
        } else {
            face = found->second;
        }
        FT_Set_Pixel_Sizes(face, 0, (FT_UInt)std::lround(size));
        return face;
    }

private:
    static void fail(const std::string& message) {
        fprintf(stderr, "assetgen: %s\n", message.c_str());
        exit(1);
    }
    FT_Library library;
    std::map<FontFace, FT_Face> faces;
};

Fonts& fonts() {
    thread_local Fonts perThread;
    return perThread;
}

std::vector<uint32_t> decode(const std::string& utf8) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        uint32_t code;
        int extra;
        if (c < 0x80) {
            code = c;
            extra = 0;
        } else if ((c & 0xE0) == 0xC0) {
            code = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else {
            code = c & 0x07;
            extra = 3;
        }
        ++i;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i) code = (code << 6) | (utf8[i] & 0x3F);
        if (code == '\'') code = 0x2019;  // typeset apostrophes
        out.push_back(code);
    }
    return out;
}

// Coverage of one line of text, in a mask with its own origin.
struct Mask {
    int width = 0, height = 0;
    int originX = 0, baselineY = 0;  // pen start inside the mask
    float advance = 0;               // how far the line moves the pen
    std::vector<float> cover;
};

Mask renderLine(const TextStyle& style, const std::string& utf8, int pad) {
    FT_Face face = fonts().face(style.face, style.size);
    std::vector<uint32_t> codes = decode(utf8);
    int ascent = (int)std::ceil(face->size->metrics.ascender / 64.0);
    int descent = (int)std::ceil(-face->size->metrics.descender / 64.0);
    long pen = 0;
    for (uint32_t code : codes) {
        if (FT_Load_Char(face, code, FT_LOAD_DEFAULT) == 0) pen += face->glyph->advance.x;
    }
    Mask mask;
    mask.originX = pad + 2;
    mask.baselineY = pad + ascent + 2;
    mask.width = (int)(pen / 64) + 2 * pad + 8;
    mask.height = ascent + descent + 2 * pad + 4;
    mask.advance = pen / 64.0f;
    mask.cover.assign((size_t)mask.width * mask.height, 0.0f);
    pen = 0;
    for (uint32_t code : codes) {
        if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        int left = mask.originX + (int)(pen / 64) + glyph->bitmap_left;
        int top = mask.baselineY - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                int x = left + (int)col, y = top + (int)row;
                if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) continue;
                float v = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                float& c = mask.cover[(size_t)y * mask.width + x];
                c = std::max(c, v);
            }
        pen += glyph->advance.x;
    }
    return mask;
}

std::vector<float> dilate(const Mask& mask, float radius) {
    int r = (int)std::ceil(radius);
    std::vector<float> out(mask.cover.size(), 0.0f);
    std::vector<std::pair<int, int>> offsets;
    std::vector<float> weights;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            float wgt = clamp01(radius + 0.5f - std::sqrt((float)(dx * dx + dy * dy)));
            if (wgt <= 0) continue;
            offsets.push_back({dx, dy});
            weights.push_back(wgt);
        }
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float best = 0;
            for (size_t k = 0; k < offsets.size() && best < 1; ++k) {
                int sx = x + offsets[k].first, sy = y + offsets[k].second;
                if (sx < 0 || sy < 0 || sx >= mask.width || sy >= mask.height) continue;
                best = std::max(best, mask.cover[(size_t)sy * mask.width + sx] * weights[k]);
            }
            out[(size_t)y * mask.width + x] = best;
        }
    return out;
}

void composite(Canvas& canvas, const Mask& mask, const std::vector<float>& cover, int left, int top, Colour colour,
               float opacity) {
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float c = cover[(size_t)y * mask.width + x];
            if (c > 0) canvas.blend(left + x, top + y, colour, c * opacity);
        }
}

}  // namespace

float textWidth(const TextStyle& style, const std::string& utf8) {
    FT_Face face = fonts().face(style.face, style.size);
    long pen = 0;
    for (uint32_t code : decode(utf8)) {
        if (FT_Load_Char(face, code, FT_LOAD_DEFAULT) == 0) pen += face->glyph->advance.x;
    }
    return pen / 64.0f;
}

float lineAscent(const TextStyle& style) {
    FT_Face face = fonts().face(style.face, style.size);
    return face->size->metrics.ascender / 64.0f;
}

void drawText(Canvas& canvas, float x, float baseline, const std::string& utf8, const TextStyle& style, Align align) {
    if (utf8.empty()) return;
    int pad = (int)std::ceil(style.outline + style.shadow) + 1;
    Mask mask = renderLine(style, utf8, pad);
    float width = mask.advance;
    float startX = align == Align::Left ? x : (align == Align::Centre ? x - width / 2 : x - width);
    int left = (int)std::lround(startX) - mask.originX;
    int top = (int)std::lround(baseline) - mask.baselineY;
    // The shadow falls from the outlined letters.
    std::vector<float> outlined = style.outline > 0 ? dilate(mask, style.outline) : std::vector<float>();
    if (style.shadow > 0) {
        int offset = (int)std::lround(style.shadow);
        const std::vector<float>& shadowCover = style.outline > 0 ? outlined : mask.cover;
        composite(canvas, mask, shadowCover, left + offset, top + offset, style.shadowColour, style.shadowOpacity);
    }
    if (style.outline > 0) composite(canvas, mask, outlined, left, top, style.outlineColour, 1);
    composite(canvas, mask, mask.cover, left, top, style.colour, 1);
}

std::vector<std::string> wrapText(const TextStyle& style, const std::string& utf8, float maxWidth) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\n', start);
        std::string paragraph = utf8.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string line;
        size_t pos = 0;
        bool any = false;
        while (pos <= paragraph.size()) {
            size_t space = paragraph.find(' ', pos);
            std::string word = paragraph.substr(pos, space == std::string::npos ? std::string::npos : space - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && textWidth(style, candidate) > maxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            any = true;
            if (space == std::string::npos) break;
            pos = space + 1;
        }
        if (any) lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

float drawParagraph(Canvas& canvas, float x, float top, float width, const std::string& utf8, const TextStyle& style,
                    float lineHeight, Align align) {
    float ascent = lineAscent(style);
    float anchor = align == Align::Left ? x : (align == Align::Centre ? x + width / 2 : x + width);
    float y = top;
    for (const std::string& line : wrapText(style, utf8, width)) {
        drawText(canvas, anchor, y + ascent, line, style, align);
        y += lineHeight;
    }
    return y;
}
