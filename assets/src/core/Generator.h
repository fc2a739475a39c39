#pragma once
// Runs every registered step into a temporary folder beside the output and swaps it into
// place only when all steps succeeded: a failed run leaves the previous tree untouched
// (or none at all), never a half-written one.

#include <filesystem>
#include <set>
#include <string>

namespace brindle::assets {

struct GeneratorOptions {
    std::filesystem::path sourceDir;  // the assets/ folder
    std::filesystem::path outDir;     // e.g. build/resources
    std::set<std::string> onlySteps;  // empty = all
    unsigned threads = 0;             // 0 = one per core
    bool verbose = false;
};

class Generator {
public:
    // Returns 0 on success; on failure prints the reason (file:line for description
    // faults) to stderr and returns 1.
    static int run(const GeneratorOptions& options);
};

} // namespace brindle::assets
