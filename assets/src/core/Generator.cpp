#include "core/Generator.h"

#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/JsonOut.h"
#include "core/SourceError.h"
#include "core/StepRegistry.h"

#include <fcntl.h>
#include <stdio.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

namespace brindle::assets {

namespace fs = std::filesystem;

namespace {

// Runs one group of same-order steps on a few threads; returns the first failure text.
std::string runGroup(const std::vector<GeneratorStep>& group, GenContext& ctx, unsigned threads, bool verbose)
{
    std::atomic<size_t> next { 0 };
    std::mutex failMutex;
    std::string failure;
    auto worker = [&] {
        for (;;) {
            const size_t i = next++;
            if (i >= group.size())
                return;
            {
                std::lock_guard lock(failMutex);
                if (!failure.empty())
                    return;
            }
            const auto start = std::chrono::steady_clock::now();
            try {
                group[i].run(ctx);
            } catch (const SourceError& e) {
                std::lock_guard lock(failMutex);
                if (failure.empty())
                    failure = e.what();
            } catch (const std::exception& e) {
                std::lock_guard lock(failMutex);
                if (failure.empty())
                    failure = "step " + group[i].name + ": " + e.what();
            }
            if (verbose) {
                const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start).count();
                std::lock_guard lock(failMutex);
                std::fprintf(stderr, "asset-gen: %-16s %6lld ms\n", group[i].name.c_str(), (long long)ms);
            }
        }
    };
    std::vector<std::thread> pool;
    const unsigned count = std::min<unsigned>(threads, unsigned(group.size()));
    for (unsigned t = 1; t < count; ++t)
        pool.emplace_back(worker);
    worker();
    for (auto& t : pool)
        t.join();
    return failure;
}

// Files that did not change keep their old time stamps, so the engine's and the
// tests' own dependency checks do not see a change.
void keepOldTimes(const fs::path& fresh, const fs::path& old)
{
    if (!fs::is_directory(old))
        return;
    for (const auto& entry : fs::recursive_directory_iterator(fresh)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path before = old / entry.path().lexically_relative(fresh);
        std::error_code ec;
        if (!fs::is_regular_file(before, ec) || fs::file_size(before, ec) != entry.file_size())
            continue;
        if (readFile(before) == readFile(entry.path()))
            fs::last_write_time(entry.path(), fs::last_write_time(before, ec), ec);
    }
}

void swapIntoPlace(const fs::path& fresh, const fs::path& target)
{
    if (!fs::exists(target)) {
        fs::rename(fresh, target);
        return;
    }
    // Exchange in one step where the kernel allows it, so readers never see no tree.
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        fs::remove_all(fresh);
        return;
    }
    const fs::path old = target.string() + ".old";
    fs::remove_all(old);
    fs::rename(target, old);
    fs::rename(fresh, target);
    fs::remove_all(old);
}

} // namespace

int Generator::run(const GeneratorOptions& options)
{
    const fs::path target = fs::absolute(options.outDir).lexically_normal();
    const fs::path temp = target.string() + ".tmp";
    std::error_code ec;
    fs::remove_all(temp, ec);
    fs::create_directories(temp);

    GenContext ctx(fs::absolute(options.sourceDir).lexically_normal(), temp);
    for (const char* dir : { kConfigDir, kImagesDir, kFontsDir, kSoundDir, kEffectDir, kPlayEffectDir })
        fs::create_directories(temp / dir);

    unsigned threads = options.threads ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    std::vector<GeneratorStep> group;
    std::string failure;
    auto flush = [&] {
        if (!group.empty() && failure.empty())
            failure = runGroup(group, ctx, threads, options.verbose);
        group.clear();
    };
    for (const auto& step : StepRegistry::steps()) {
        if (!options.onlySteps.empty() && !options.onlySteps.count(step.name))
            continue;
        if (!group.empty() && group.front().order != step.order)
            flush();
        group.push_back(step);
    }
    flush();

    if (failure.empty()) {
        try {
            Json::Value index = ctx.indexSnapshot();
            Json::Value& files = index["files"];
            files = Json::Value(Json::arrayValue);
            for (const auto& name : ctx.writtenFiles())
                files.append(name);
            ctx.write("asset-index.json", toStableJson(index));
            keepOldTimes(temp, target);
            swapIntoPlace(temp, target);
        } catch (const std::exception& e) {
            failure = std::string("finishing the resource tree: ") + e.what();
        }
    }
    if (!failure.empty()) {
        fs::remove_all(temp, ec);
        std::cerr << "asset-gen: error: " << failure << "\n";
        return 1;
    }
    return 0;
}

} // namespace brindle::assets
