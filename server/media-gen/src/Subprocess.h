// Runs a tool (espeak-ng, lame, ffmpeg) without a shell, optionally feeding it bytes on its
// standard input. Texts from the recipes travel as plain arguments, never through a command line.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

class Subprocess {
public:
    // The tool's exit status; -1 when it could not be started or was killed.
    static int run(const std::vector<std::string>& argv, const std::string& input = {});
};

} // namespace mediagen
