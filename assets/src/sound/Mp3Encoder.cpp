#include "sound/Mp3Encoder.h"

#include "core/FileUtil.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace brindle::assets {

namespace {

// Canonical 44-byte header of a 44.1 kHz stereo 16-bit WAV file.
std::string wavHeader(size_t dataBytes)
{
    std::string h;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) h += char((v >> (8 * i)) & 0xff); };
    auto u16 = [&](uint16_t v) { h += char(v & 0xff); h += char(v >> 8); };
    h += "RIFF";
    u32(uint32_t(36 + dataBytes));
    h += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    h += "data";
    u32(uint32_t(dataBytes));
    return h;
}

} // namespace

std::string Mp3Encoder::encode(const std::string& pcm, int kbps)
{
    static std::atomic<int> counter { 0 };
    const auto dir = std::filesystem::temp_directory_path()
        / ("brindle-mp3-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    const auto in = (dir / "in.wav").string(), out = (dir / "out.mp3").string();
    writeFileIfChanged(in, wavHeader(pcm.size()) + pcm);
    const std::string rate = std::to_string(kbps);
    // Started without a shell; -t leaves out the encoder's info frame.
    std::vector<std::string> args { "lame", "--quiet", "-m", "j", "--cbr", "-b", rate, "-t", "--noreplaygain", in, out };
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = -1;
    const bool started = posix_spawnp(&pid, "lame", nullptr, nullptr, argv.data(), environ) == 0;
    if (started)
        waitpid(pid, &status, 0);
    std::string mp3;
    const bool ok = started && WIFEXITED(status) && WEXITSTATUS(status) == 0 && std::filesystem::exists(out);
    if (ok)
        mp3 = readFile(out);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    if (!ok)
        throw std::runtime_error("lame failed (is the 'lame' package installed?)");
    return mp3;
}

} // namespace brindle::assets
