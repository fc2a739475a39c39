#include "labels/TTFRenderer.h"

#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

#include "support/CCFileUtils.h"
#include "support/ccUTF8.h"

namespace cocos2d {

namespace {

std::map<std::pair<std::string, int>, TTF_Font*>& fontCache()
{
    static std::map<std::pair<std::string, int>, TTF_Font*> cache;
    return cache;
}

bool endsWithFontExtension(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".ttf" || ext == ".ttc" || ext == ".otf";
}

std::string defaultFontPath()
{
    if (const char* env = std::getenv("BRINDLE_DEFAULT_FONT"); env && std::filesystem::exists(env))
        return env;
    static const char* candidates[] = {
        "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
        "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
        "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
    for (const char* c : candidates)
        if (std::filesystem::exists(c))
            return c;
    return "";
}

unsigned nextCodePoint(const std::string& s, std::size_t& i)
{
    return cc_utf8_next(s, i);
}

bool isCJK(unsigned cp)
{
    return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFF00 && cp <= 0xFFEF) || (cp >= 0x20000 && cp <= 0x2FFFF);
}

// Closing punctuation never starts a line and opening punctuation never ends one, so they stay glued
// to their neighbour (the usual CJK line-breaking courtesy).
bool noLineStart(unsigned cp)
{
    static const unsigned chars[] = {0x3001, 0x3002, 0xFF0C, 0xFF0E, 0xFF01, 0xFF1F, 0xFF1B, 0xFF1A, 0xFF09,
                                     0x300D, 0x300F, 0x300B, 0x3009, 0x201D, 0x2019, 0x3011, 0xFF3D, 0x30FC};
    for (unsigned c : chars)
        if (c == cp)
            return true;
    return false;
}

bool noLineEnd(unsigned cp)
{
    static const unsigned chars[] = {0xFF08, 0x300C, 0x300E, 0x300A, 0x3008, 0x201C, 0x2018, 0x3010, 0xFF3B};
    for (unsigned c : chars)
        if (c == cp)
            return true;
    return false;
}

int textWidth(TTF_Font* font, const std::string& s)
{
    int w = 0, h = 0;
    if (s.empty() || TTF_SizeUTF8(font, s.c_str(), &w, &h) != 0)
        return 0;
    return w;
}

// Pieces a line may break between: runs of blanks, words, and single CJK characters.
std::vector<std::string> tokens(const std::string& s)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    int kind = -1; // 0 blank, 1 word
    bool glueNext = false;
    while (i < s.size()) {
        const std::size_t start = i;
        const unsigned cp = nextCodePoint(s, i);
        const std::string piece = s.substr(start, i - start);
        if (glueNext && !out.empty()) {
            out.back() += piece;
            glueNext = noLineEnd(cp);
            kind = isCJK(cp) ? -1 : ((cp == ' ' || cp == '\t') ? 0 : 1);
            continue;
        }
        if (isCJK(cp)) {
            if (noLineStart(cp) && !out.empty() && out.back()[0] != ' ')
                out.back() += piece;
            else
                out.push_back(piece);
            glueNext = noLineEnd(cp);
            kind = -1;
            continue;
        }
        const int k = (cp == ' ' || cp == '\t') ? 0 : 1;
        if (k == kind)
            out.back() += piece;
        else
            out.push_back(piece);
        kind = k;
    }
    return out;
}

std::string trimRight(std::string s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    return s;
}

void wrapParagraph(TTF_Font* font, const std::string& para, float maxWidth, std::vector<std::string>& lines)
{
    std::string line;
    bool paragraphStart = true;
    for (const std::string& tok : tokens(para)) {
        const bool blank = tok[0] == ' ' || tok[0] == '\t';
        // An indent typed at the start of a paragraph stays; blanks where a wrapped line begins go.
        if (line.empty() && blank && !paragraphStart)
            continue;
        paragraphStart = false;
        if (textWidth(font, line + tok) <= maxWidth) {
            line += tok;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(trimRight(line));
            line.clear();
            if (blank)
                continue;
        }
        if (textWidth(font, tok) <= maxWidth) {
            line = tok;
            continue;
        }
        // A word wider than the box is cut between characters.
        std::size_t i = 0;
        while (i < tok.size()) {
            const std::size_t start = i;
            const unsigned cp = nextCodePoint(tok, i);
            const std::string ch = tok.substr(start, i - start);
            // Closing punctuation rather sticks out a little than starts a line.
            if (!line.empty() && !noLineStart(cp) && textWidth(font, line + ch) > maxWidth) {
                lines.push_back(line);
                line.clear();
            }
            line += ch;
        }
    }
    lines.push_back(trimRight(line));
}

} // namespace

TTF_Font* TTFRenderer::openFont(const std::string& path, int pixelSize, std::string& error)
{
    if (!TTF_WasInit() && TTF_Init() != 0) {
        error = std::string("SDL_ttf does not start: ") + TTF_GetError();
        return nullptr;
    }
    pixelSize = std::max(1, pixelSize);
    auto key = std::make_pair(path, pixelSize);
    auto it = fontCache().find(key);
    if (it != fontCache().end())
        return it->second;
    static bool closeAtExit = false;
    if (!closeAtExit) {
        // Fonts hold SDL memory the static cache would otherwise drop unreleased at exit.
        closeAtExit = true;
        std::atexit([] { TTFRenderer::closeFonts(); });
    }
    TTF_Font* font = TTF_OpenFont(path.c_str(), pixelSize);
    if (!font) {
        error = "cannot open font " + path + ": " + TTF_GetError();
        return nullptr;
    }
    fontCache()[key] = font;
    return font;
}

void TTFRenderer::closeFonts()
{
    if (TTF_WasInit())
        for (auto& [key, font] : fontCache())
            TTF_CloseFont(font);
    fontCache().clear();
}

std::string TTFRenderer::resolveFont(const std::string& fontName, std::string& error)
{
    if (endsWithFontExtension(fontName)) {
        CCFileUtils* fu = CCFileUtils::sharedFileUtils();
        std::string full = fu->fullPathForFilename(fontName.c_str());
        if (fu->isFileExist(full))
            return fu->isAbsolutePath(full) ? full : fu->getResourceRoot() + full;
        error = "font file not found: " + fontName;
        return "";
    }
    std::string path = defaultFontPath();
    if (path.empty())
        error = "no default font installed for \"" + fontName + "\"";
    return path;
}

std::vector<std::string> TTFRenderer::layoutLines(TTF_Font* font, const std::string& text, float maxWidth)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t nl = text.find('\n', start);
        std::string para = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!para.empty() && para.back() == '\r')
            para.pop_back();
        if (maxWidth > 0 && !para.empty())
            wrapParagraph(font, para, maxWidth, lines);
        else
            lines.push_back(para);
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    return lines;
}

} // namespace cocos2d
