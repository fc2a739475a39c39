#include "app/CommandLine.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace {

std::string absolutePath(const std::string& value) {
    if (value.empty()) {
        return value;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(value, error);
    return error ? value : absolute.lexically_normal().string();
}

bool parseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0' && value >= 0;
}

bool parseInt(std::string_view text, int& value) {
    auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

} // namespace

bool CommandLine::parseEndpoint(const std::string& text, std::string& host, unsigned short& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    int number = 0;
    if (!parseInt(std::string_view(text).substr(colon + 1), number) || number < 1 || number > 65535) {
        return false;
    }
    host = text.substr(0, colon);
    port = static_cast<unsigned short>(number);
    return true;
}

bool CommandLine::parseWindow(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    int w = 0, h = 0;
    if (!parseInt(std::string_view(text).substr(0, x), w) || !parseInt(std::string_view(text).substr(x + 1), h) ||
        w < 1 || h < 1 || w > 16384 || h > 16384) {
        return false;
    }
    width = w;
    height = h;
    return true;
}

bool CommandLine::parseTap(const std::string& text, Tap& tap) {
    const auto comma = text.find(',');
    const auto at = text.find('@');
    if (comma == std::string::npos || at == std::string::npos || comma > at) {
        return false;
    }
    int x = 0, y = 0;
    Moment when;
    if (!parseInt(std::string_view(text).substr(0, comma), x) ||
        !parseInt(std::string_view(text).substr(comma + 1, at - comma - 1), y) ||
        !parseMoment(text.substr(at + 1), when) || x < 0 || y < 0 || x > 16384 || y > 16384) {
        return false;
    }
    tap = Tap{static_cast<float>(x), static_cast<float>(y), when.at, when.scene};
    return true;
}

bool CommandLine::parseTyping(const std::string& text, Typing& typing) {
    const std::size_t at = text.rfind('@');
    Moment when;
    if (at == std::string::npos || at == 0 || !parseMoment(text.substr(at + 1), when)) {
        return false;
    }
    typing = Typing{text.substr(0, at), when.at, when.scene};
    return true;
}

bool CommandLine::parseMoment(const std::string& text, Moment& moment) {
    if (text.empty() || text[0] != 's') {
        moment.scene = -1;
        return parseNumber(text, moment.at);
    }
    const auto plus = text.find('+');
    int scene = -1;
    double seconds = 0;
    if (plus == std::string::npos || !parseInt(std::string_view(text).substr(1, plus - 1), scene) || scene < 0 ||
        !parseNumber(text.substr(plus + 1), seconds)) {
        return false;
    }
    moment = Moment{seconds, scene};
    return true;
}

std::string CommandLine::usage() {
    return "Usage: brindle [OPTIONS]\n"
           "  --entry HOST:PORT      entry server (also BRINDLE_ENTRY; default 127.0.0.1:8000)\n"
           "  --resources DIR        resource root (default: next to the binary)\n"
           "  --user-dir DIR         writable folder (default: $XDG_DATA_HOME/brindle)\n"
           "  --window WxH           window size (default 960x640)\n"
           "  --screenshot FILE      save the window as PNG at the --screenshot-at after it\n"
           "  --screenshot-at WHEN   (default 3; both may be given several times)\n"
           "  --tap X,Y@WHEN         click at a design point (origin bottom left), repeatable\n"
           "                         WHEN: seconds after start, or sID+SECONDS after scene ID first shows\n"
           "  --type TEXT@WHEN       type TEXT into the field that has the keyboard, repeatable\n"
           "  --quit-after WHEN      close the game at this moment\n"
           "  --quit-on-scene ID     close the game a second after scene ID shows\n"
           "  --help                 this text\n";
}

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string>& args, const char* entryVariable,
                                              std::string& error) {
    CommandLine line;
    if (entryVariable != nullptr && *entryVariable != '\0' &&
        !parseEndpoint(entryVariable, line.entryHost, line.entryPort)) {
        error = std::string("BRINDLE_ENTRY is not HOST:PORT: ") + entryVariable;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            line.help = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = option == "--entry" || option == "--resources" || option == "--user-dir" ||
                            option == "--window" || option == "--screenshot" || option == "--screenshot-at" ||
                            option == "--tap" || option == "--type" || option == "--quit-after" || option == "--quit-on-scene"
                        ? option + " needs a value"
                        : "unknown option " + option;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (option == "--entry") ok = parseEndpoint(value, line.entryHost, line.entryPort);
        // Absolute, so the file utilities never join a relative root onto itself.
        else if (option == "--resources") line.resources = absolutePath(value);
        else if (option == "--user-dir") line.userDir = absolutePath(value);
        else if (option == "--window") ok = parseWindow(value, line.windowWidth, line.windowHeight);
        else if (option == "--screenshot") line.screenshots.push_back(Screenshot{value});
        else if (option == "--screenshot-at") {
            if (line.screenshots.empty()) {
                error = "--screenshot-at needs a --screenshot before it";
                return std::nullopt;
            }
            Moment when;
            ok = parseMoment(value, when);
            line.screenshots.back().at = when.at;
            line.screenshots.back().scene = when.scene;
        } else if (option == "--tap") {
            Tap tap;
            ok = parseTap(value, tap);
            if (ok) line.taps.push_back(tap);
        }
        else if (option == "--type") {
            Typing typing;
            ok = parseTyping(value, typing);
            if (ok) line.typings.push_back(typing);
        }
        else if (option == "--quit-after") {
            Moment when;
            ok = parseMoment(value, when);
            line.quitAfter = when.at;
            line.quitAfterScene = when.scene;
        }
        else if (option == "--quit-on-scene") ok = parseInt(value, line.quitOnScene) && line.quitOnScene >= 0;
        else {
            error = "unknown option " + option;
            return std::nullopt;
        }
        if (!ok || value.empty()) {
            error = "bad value for " + option + ": " + value;
            return std::nullopt;
        }
    }
    return line;
}

std::string CommandLine::defaultUserDir() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::string(data) + "/brindle";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::string(home) + "/.local/share/brindle";
    }
    return "./brindle-data";
}

std::string CommandLine::defaultResources(const std::string& argv0) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path binary = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        binary = fs::absolute(argv0, error);
    }
    const fs::path folder = binary.parent_path();
    for (const fs::path& candidate : {folder / "resources", folder.parent_path() / "resources"}) {
        if (fs::is_directory(candidate, error)) {
            return candidate.string();
        }
    }
    return (folder.parent_path() / "resources").string();
}
