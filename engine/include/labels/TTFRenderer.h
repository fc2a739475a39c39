// Renders UTF-8 text with SDL2_ttf into a white, premultiplied RGBA bitmap, laid out the way
// CCLabelTTF expects: '\n' breaks lines, a width wraps words (and between any two CJK characters),
// a height clips (top kept) or places the block by vertical alignment.
#pragma once

#include <string>
#include <vector>

#include "base/ccTypes.h"

typedef struct _TTF_Font TTF_Font;

namespace cocos2d {

struct TextBitmap {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba; // premultiplied white: every channel = coverage
};

struct TextRequest {
    std::string text;
    std::string fontName; // "x.ttf" through the search paths, anything else = the default CJK face
    float fontSize = 12;  // pixel height
    float width = 0, height = 0;
    CCTextAlignment hAlign = kCCTextAlignmentCenter;
    CCVerticalTextAlignment vAlign = kCCVerticalTextAlignmentTop;
};

class TTFRenderer {
public:
    // False (with the reason, naming the font file) when the font cannot be found or opened.
    static bool render(const TextRequest& request, TextBitmap& out, std::string& error);
    // Font file for a label's font name; empty with error set when it cannot be found.
    static std::string resolveFont(const std::string& fontName, std::string& error);
    // Lines after explicit breaks and wrapping at maxWidth pixels (0 = no wrapping).
    static std::vector<std::string> layoutLines(TTF_Font* font, const std::string& text, float maxWidth);
    static TTF_Font* openFont(const std::string& path, int pixelSize, std::string& error);
    // Closes every cached font (before TTF_Quit / at exit).
    static void closeFonts();
};

} // namespace cocos2d
