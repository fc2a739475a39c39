// The third-party sample files (layouts, armatures, sheets, fonts, particles from other projects)
// that some engine tests and tools read. They are not ours to carry, so they stay outside the tree:
// $BRINDLE_SAMPLES names the folder, else shared/samples beside the checkout. A clone without
// them still builds and passes; the tests that need them skip with one note saying how to run them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace brindle::samples {

inline std::filesystem::path folder()
{
    // Read at run time so one build can be pointed at another copy without reconfiguring.
    if (const char* env = std::getenv("BRINDLE_SAMPLES"); env && *env)
        return env;
    return BRINDLE_SAMPLES_DEFAULT;
}

inline bool present() { return std::filesystem::is_directory(folder()); }

// A file or folder inside the samples folder, as a string for the engine's char* APIs.
inline std::string file(const std::string& relative) { return folder().string() + "/" + relative; }

inline std::string missingNote()
{
    return "third-party samples not found at " + folder().string() + "; set BRINDLE_SAMPLES to run these tests";
}

} // namespace brindle::samples

// First statement of a test (or of a fixture's SetUp) that reads the samples.
#define SKIP_WITHOUT_SAMPLES()                                                                          \
    do {                                                                                                \
        if (!::brindle::samples::present())                                                            \
            GTEST_SKIP() << ::brindle::samples::missingNote();                                         \
    } while (false)
