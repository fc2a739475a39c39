// Drawing half of TTFRenderer: lines laid out by layoutLines() go into one canvas.
#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cmath>

#include "labels/TTFRenderer.h"

namespace cocos2d {

bool TTFRenderer::render(const TextRequest& request, TextBitmap& out, std::string& error)
{
    out = TextBitmap{};
    const std::string path = resolveFont(request.fontName, error);
    if (path.empty())
        return false;
    TTF_Font* font = openFont(path, static_cast<int>(std::lround(request.fontSize)), error);
    if (!font)
        return false;

    const std::vector<std::string> lines = layoutLines(font, request.text, request.width);
    const int lineSkip = TTF_FontLineSkip(font);
    std::vector<int> widths;
    int widest = 0;
    for (const std::string& line : lines) {
        int w = 0, h = 0;
        if (!line.empty())
            TTF_SizeUTF8(font, line.c_str(), &w, &h);
        widths.push_back(w);
        widest = std::max(widest, w);
    }
    const int blockHeight = lineSkip * static_cast<int>(lines.size());
    out.width = request.width > 0 ? static_cast<int>(std::ceil(request.width)) : widest;
    out.height = request.height > 0 ? static_cast<int>(std::ceil(request.height)) : blockHeight;
    if (request.text.empty() && request.width <= 0)
        out.width = out.height = 0;
    if (out.width <= 0 || out.height <= 0) {
        out.width = out.height = 0;
        return true;
    }
    out.rgba.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 4, 0);

    int top = 0; // a block taller than the box keeps its top part
    if (out.height > blockHeight) {
        if (request.vAlign == kCCVerticalTextAlignmentCenter)
            top = (out.height - blockHeight) / 2;
        else if (request.vAlign == kCCVerticalTextAlignmentBottom)
            top = out.height - blockHeight;
    }
    const SDL_Color white{255, 255, 255, 255};
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int y0 = top + static_cast<int>(n) * lineSkip;
        if (lines[n].empty() || y0 >= out.height)
            continue;
        SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, lines[n].c_str(), white);
        if (!rendered)
            continue;
        SDL_Surface* s = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(rendered);
        if (!s)
            continue;
        int x0 = 0;
        if (request.hAlign == kCCTextAlignmentCenter)
            x0 = (out.width - s->w) / 2;
        else if (request.hAlign == kCCTextAlignmentRight)
            x0 = out.width - s->w;
        SDL_LockSurface(s);
        for (int y = 0; y < s->h; ++y) {
            const int ty = y0 + y;
            if (ty < 0 || ty >= out.height)
                continue;
            const auto* row = static_cast<const unsigned char*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
            for (int x = 0; x < s->w; ++x) {
                const int tx = x0 + x;
                if (tx < 0 || tx >= out.width)
                    continue;
                const unsigned char a = row[x * 4 + 3];
                unsigned char* dst =
                    &out.rgba[(static_cast<std::size_t>(ty) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(tx)) * 4];
                const unsigned char v = std::max(dst[3], a);
                dst[0] = dst[1] = dst[2] = dst[3] = v;
            }
        }
        SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
    }
    return true;
}

} // namespace cocos2d
