// Makes one media file from its recipe: a picture (PNG, cairo), a voice clip (espeak-ng's
// Mandarin voice, MP3 through lame) or a short film (cairo frames, H.264 in MP4 through ffmpeg).
// Files are written beside their final name and renamed into place, so a failed run never
// leaves half a file that a later run would take as done.
#pragma once

#include <json/value.h>

#include <string>

namespace mediagen {

class MediaMaker {
public:
    explicit MediaMaker(std::string outFolder) : m_out(std::move(outFolder)) {}

    // false with why on failure.
    bool make(const Json::Value& recipe, std::string& why);

    static constexpr int kFramesPerSecond = 15;

private:
    bool picture(const Json::Value& recipe, const std::string& path, std::string& why);
    bool voice(const Json::Value& recipe, const std::string& path, std::string& why);
    bool video(const Json::Value& recipe, const std::string& path, std::string& why);

    std::string m_out;
};

} // namespace mediagen
