// asset-gen --source ASSETS_DIR --out RESOURCES_DIR [--only step,step] [--threads N] [--verbose]
// Builds the game's resource tree from the descriptions under ASSETS_DIR.

#include "core/Generator.h"
#include "core/StepRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace brindle::assets;

// Fontconfig keeps a small cache for the life of the process; in sanitizer builds that is
// reported as a leak although it is none of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// The drawing libraries are not built with the thread sanitizer; their internal locking is
// invisible to it. Our own sharing (the step context, the picture list) stays checked.
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libfontconfig.so\ncalled_from_lib:libpango-1.0.so\ncalled_from_lib:libpangoft2-1.0.so\n"
           "called_from_lib:libpangocairo-1.0.so\ncalled_from_lib:libcairo.so\ncalled_from_lib:libglib-2.0.so\n"
           "called_from_lib:libgobject-2.0.so\ncalled_from_lib:libharfbuzz.so\ncalled_from_lib:libfreetype.so\n"
           "called_from_lib:libpixman-1.so\n";
}

int main(int argc, char** argv)
{
    GeneratorOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "asset-gen: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--source") {
            options.sourceDir = value();
        } else if (arg == "--out") {
            options.outDir = value();
        } else if (arg == "--only") {
            std::string list = value();
            size_t start = 0;
            while (start <= list.size()) {
                size_t comma = list.find(',', start);
                if (comma == std::string::npos)
                    comma = list.size();
                if (comma > start)
                    options.onlySteps.insert(list.substr(start, comma - start));
                start = comma + 1;
            }
        } else if (arg == "--threads") {
            options.threads = unsigned(std::stoul(value()));
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--list") {
            for (const auto& step : StepRegistry::steps())
                std::printf("%3d %s\n", step.order, step.name.c_str());
            return 0;
        } else {
            std::fprintf(stderr, "usage: asset-gen --source DIR --out DIR [--only a,b] [--threads N] [--verbose] [--list]\n");
            return 2;
        }
    }
    if (options.sourceDir.empty() || options.outDir.empty()) {
        std::fprintf(stderr, "asset-gen: --source and --out are required\n");
        return 2;
    }
    return Generator::run(options);
}
