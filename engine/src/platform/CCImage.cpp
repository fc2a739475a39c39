#include "platform/CCImage.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <cstring>

#include "base/CCConsole.h"

namespace cocos2d {

namespace {
void ensureImageLibrary()
{
    static bool started = false;
    if (!started) {
        IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
        started = true;
    }
}

bool endsWithNoCase(const std::string& s, const char* suffix)
{
    const std::size_t n = std::strlen(suffix);
    if (s.size() < n)
        return false;
    return std::equal(s.end() - static_cast<std::ptrdiff_t>(n), s.end(), suffix,
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}
} // namespace

bool CCImage::fromSurface(SDL_Surface* surface, const std::string& what)
{
    if (!surface) {
        CCLog("cannot decode picture %s: %s", what.c_str(), IMG_GetError());
        return false;
    }
    m_hasAlpha = SDL_ISPIXELFORMAT_ALPHA(surface->format->format) || surface->format->palette != nullptr ||
                 SDL_HasColorKey(surface);
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(surface);
    if (!rgba || rgba->w <= 0 || rgba->h <= 0) {
        CCLog("cannot convert picture %s", what.c_str());
        if (rgba)
            SDL_FreeSurface(rgba);
        return false;
    }
    m_width = rgba->w;
    m_height = rgba->h;
    const std::size_t row = static_cast<std::size_t>(m_width) * 4;
    m_pixels.resize(row * static_cast<std::size_t>(m_height));
    SDL_LockSurface(rgba);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(&m_pixels[static_cast<std::size_t>(y) * row],
                    static_cast<const unsigned char*>(rgba->pixels) + static_cast<std::ptrdiff_t>(y) * rgba->pitch, row);
    SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    m_premultiplied = m_hasAlpha;
    if (m_premultiplied) {
        for (std::size_t i = 0; i < m_pixels.size(); i += 4) {
            const unsigned a = m_pixels[i + 3];
            for (int c = 0; c < 3; ++c)
                m_pixels[i + static_cast<std::size_t>(c)] =
                    static_cast<unsigned char>((m_pixels[i + static_cast<std::size_t>(c)] * a + 127) / 255);
        }
    }
    return true;
}

bool CCImage::initWithImageFile(const char* path, EImageFormat)
{
    ensureImageLibrary();
    if (!path || !*path) {
        CCLog("cannot load picture: empty file name");
        return false;
    }
    SDL_RWops* rw = SDL_RWFromFile(path, "rb");
    if (!rw) {
        CCLog("cannot open picture %s", path);
        return false;
    }
    return fromSurface(IMG_Load_RW(rw, 1), path);
}

bool CCImage::initWithImageData(const void* data, int length, EImageFormat)
{
    ensureImageLibrary();
    if (!data || length <= 0) {
        CCLog("cannot decode picture: no data");
        return false;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(data, length);
    return fromSurface(rw ? IMG_Load_RW(rw, 1) : nullptr, "from memory");
}

bool CCImage::initWithRawRGBA(const unsigned char* pixels, int width, int height, bool premultiplied)
{
    if (!pixels || width <= 0 || height <= 0)
        return false;
    m_width = width;
    m_height = height;
    m_pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    m_hasAlpha = true;
    m_premultiplied = premultiplied;
    return true;
}

bool CCImage::saveToFile(const char* path, bool isToRGB) const
{
    ensureImageLibrary();
    if (!path || m_pixels.empty())
        return false;
    std::vector<unsigned char> copy = m_pixels;
    for (std::size_t i = 0; i < copy.size(); i += 4) {
        const unsigned a = copy[i + 3];
        if (m_premultiplied && a > 0 && a < 255)
            for (int c = 0; c < 3; ++c) {
                unsigned char& v = copy[i + static_cast<std::size_t>(c)];
                v = static_cast<unsigned char>(std::min(255u, (v * 255u + a / 2) / a));
            }
        if (isToRGB)
            copy[i + 3] = 255;
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), m_width, m_height, 32, m_width * 4,
                                                        SDL_PIXELFORMAT_RGBA32);
    if (!s)
        return false;
    const std::string p = path;
    int rc = endsWithNoCase(p, ".jpg") || endsWithNoCase(p, ".jpeg") ? IMG_SaveJPG(s, path, 90) : IMG_SavePNG(s, path);
    SDL_FreeSurface(s);
    if (rc != 0)
        CCLog("cannot write picture %s: %s", path, IMG_GetError());
    return rc == 0;
}

} // namespace cocos2d
