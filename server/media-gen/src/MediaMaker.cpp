#include "MediaMaker.h"

#include "ScenePainter.h"
#include "Subprocess.h"

#include <cairo.h>

#include <cmath>
#include <filesystem>

namespace mediagen {

namespace fs = std::filesystem;

namespace {

bool endsWith(const std::string& s, const char* tail)
{
    const std::string t(tail);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

bool sized(const Json::Value& recipe, std::string& why, int maxSide)
{
    const int w = recipe["w"].asInt(), h = recipe["h"].asInt();
    if (w < 16 || h < 16 || w > maxSide || h > maxSide) {
        why = "needs \"w\" and \"h\" from 16 to " + std::to_string(maxSide);
        return false;
    }
    return ScenePainter::check(recipe, why);
}

bool publish(const std::string& temp, const std::string& path, std::string& why)
{
    std::error_code error;
    fs::rename(temp, path, error);
    if (error)
        why = "cannot move " + temp + " into place: " + error.message();
    return !error;
}

} // namespace

bool MediaMaker::make(const Json::Value& recipe, std::string& why)
{
    const auto name = recipe["name"].asString();
    if (name.empty() || name.find('/') != std::string::npos || name[0] == '.') {
        why = "a recipe needs a plain \"name\"";
        return false;
    }
    const auto path = (fs::path(m_out) / name).string();
    if (endsWith(name, ".png"))
        return picture(recipe, path, why);
    if (endsWith(name, ".mp3"))
        return voice(recipe, path, why);
    if (endsWith(name, ".mp4"))
        return video(recipe, path, why);
    why = "\"" + name + "\" is neither .png, .mp3 nor .mp4";
    return false;
}

bool MediaMaker::picture(const Json::Value& recipe, const std::string& path, std::string& why)
{
    if (!sized(recipe, why, 1024))
        return false;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, recipe["w"].asInt(), recipe["h"].asInt());
    cairo_t* cr = cairo_create(surface);
    ScenePainter::paint(cr, recipe, 0.0);
    cairo_destroy(cr);
    const auto temp = path + ".part";
    const auto status = cairo_surface_write_to_png(surface, temp.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        why = std::string("cannot write the picture: ") + cairo_status_to_string(status);
        return false;
    }
    return publish(temp, path, why);
}

bool MediaMaker::voice(const Json::Value& recipe, const std::string& path, std::string& why)
{
    const auto text = recipe["say"].asString();
    if (text.empty()) {
        why = "a voice needs \"say\"";
        return false;
    }
    const auto wav = path + ".wav";
    const auto temp = path + ".part";
    // The text goes after "--" so that a line starting with "-" is spoken, not taken as a flag.
    if (Subprocess::run({"espeak-ng", "-v", "cmn", "-s", "135", "-w", wav, "--", text}) != 0) {
        why = "espeak-ng failed";
        return false;
    }
    const int lame = Subprocess::run({"lame", "--quiet", "-m", "m", "-b", "64", wav, temp});
    fs::remove(wav);
    if (lame != 0) {
        why = "lame failed";
        return false;
    }
    return publish(temp, path, why);
}

bool MediaMaker::video(const Json::Value& recipe, const std::string& path, std::string& why)
{
    if (!sized(recipe, why, 1280))
        return false;
    const int w = recipe["w"].asInt(), h = recipe["h"].asInt();
    if (w % 2 || h % 2) {
        why = "a film needs even \"w\" and \"h\"";
        return false;
    }
    const double seconds = recipe["seconds"].asDouble();
    if (seconds <= 0 || seconds > 20) {
        why = "a film needs \"seconds\" from 0 to 20";
        return false;
    }
    const int frames = static_cast<int>(std::lround(seconds * kFramesPerSecond));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    const int stride = cairo_image_surface_get_stride(surface);
    std::string raw;
    raw.reserve(static_cast<std::size_t>(frames) * w * h * 4);
    for (int f = 0; f < frames; ++f) {
        cairo_t* cr = cairo_create(surface);
        ScenePainter::paint(cr, recipe, f / static_cast<double>(kFramesPerSecond));
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        const auto* data = reinterpret_cast<const char*>(cairo_image_surface_get_data(surface));
        for (int y = 0; y < h; ++y)
            raw.append(data + static_cast<std::ptrdiff_t>(y) * stride, static_cast<std::size_t>(w) * 4);
    }
    cairo_surface_destroy(surface);
    const auto temp = path + ".part.mp4";
    // One thread and bit-exact flags: the same recipe always gives the same bytes.
    const int status = Subprocess::run(
        {"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "rawvideo", "-pix_fmt", "bgr0", "-s",
         std::to_string(w) + "x" + std::to_string(h), "-r", std::to_string(kFramesPerSecond), "-i", "-",
         "-c:v", "libx264", "-preset", "veryfast", "-threads", "1", "-pix_fmt", "yuv420p", "-movflags",
         "+faststart", "-fflags", "+bitexact", "-flags:v", "+bitexact", "-map_metadata", "-1", temp},
        raw);
    if (status != 0) {
        why = "ffmpeg failed";
        fs::remove(temp);
        return false;
    }
    return publish(temp, path, why);
}

} // namespace mediagen
