#include "TestSupport.h"

#include "core/FileUtil.h"

#include <sys/wait.h>

namespace brindle::assets::testing {

RunResult runGenerator(const std::filesystem::path& source, const std::filesystem::path& out, const std::string& extra)
{
    const auto log = out.parent_path() / (out.filename().string() + ".log");
    const std::string command = std::string("'") + BRINDLE_ASSET_GEN + "' --source '" + source.string() + "' --out '"
        + out.string() + "' " + extra + " > '" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = std::filesystem::exists(log) ? readFile(log) : "";
    std::filesystem::remove(log);
    return result;
}

} // namespace brindle::assets::testing
