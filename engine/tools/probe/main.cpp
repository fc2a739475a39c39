// engine-probe FILE...: one JSON line per file loaded by the engine's reader for its kind; exit 1
// (naming the file) when any of them fails.
#include <cstdio>
#include <fstream>
#include <string>

#include "Probe.h"
#include "base/CCConsole.h"

namespace probe {

std::vector<ProbeEntry>& probes()
{
    static std::vector<ProbeEntry> table;
    return table;
}

std::string quote(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

} // namespace probe

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: engine-probe FILE...\n");
        return 2;
    }
    // Engine log lines would mix with the JSON on stdout; they go to stderr only.
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        std::string head;
        {
            std::ifstream in(path, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "engine-probe: %s: cannot open\n", path.c_str());
                ++failures;
                continue;
            }
            head.resize(512);
            in.read(head.data(), static_cast<std::streamsize>(head.size()));
            head.resize(static_cast<std::size_t>(in.gcount()));
        }
        const std::size_t dot = path.find_last_of('.');
        std::string ext = dot == std::string::npos ? "" : path.substr(dot);
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const probe::ProbeEntry* chosen = nullptr;
        for (const probe::ProbeEntry& p : probe::probes())
            if (p.accepts(path, ext, head)) {
                chosen = &p;
                break;
            }
        if (!chosen) {
            std::fprintf(stderr, "engine-probe: %s: no reader recognises this file\n", path.c_str());
            ++failures;
            continue;
        }
        std::string json, error;
        if (!chosen->run(path, json, error)) {
            std::fprintf(stderr, "engine-probe: %s: %s\n", path.c_str(), error.c_str());
            ++failures;
            continue;
        }
        std::printf("%s\n", json.c_str());
    }
    return failures ? 1 : 0;
}
