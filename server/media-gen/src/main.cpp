// brindle-media-gen --recipes DIR --bank DIR --out DIR
//
// Makes every media file the question bank names from the recipes in DIR/*.jsonl, then checks
// the spot-the-difference pictures against the bank. Exit status 1 with a line per problem when
// a recipe is broken or a check fails, so the build stops.
#include "MediaMaker.h"
#include "SpotCheck.h"

#include <json/reader.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>

namespace fs = std::filesystem;

// Fontconfig keeps its font cache until the process ends; that is not a leak of ours, and the
// sanitizer builds must not fail the media step over it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

// Pango loads fontconfig on a thread of its own; those libraries are not built with the thread
// sanitizer, so their internal locking is invisible to it and it reports races inside them.
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libfontconfig.so\ncalled_from_lib:libglib-2.0.so\ncalled_from_lib:libpango-1.0.so\n"
           "called_from_lib:libpangoft2-1.0.so\n";
}

int main(int argc, char** argv)
{
    std::string recipes, bank, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        (flag == "--recipes" ? recipes : flag == "--bank" ? bank : flag == "--out" ? out : recipes) = argv[i + 1];
    }
    if (recipes.empty() || bank.empty() || out.empty()) {
        std::cerr << "usage: brindle-media-gen --recipes DIR --bank DIR --out DIR\n";
        return 2;
    }
    fs::create_directories(out);
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(recipes))
        if (item.path().extension() == ".jsonl")
            files.push_back(item.path());
    std::sort(files.begin(), files.end());

    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    mediagen::MediaMaker maker(out);
    std::set<std::string> names;
    int made = 0, failed = 0;
    for (const auto& file : files) {
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.empty() || line[0] == '#')
                continue;
            Json::Value recipe;
            std::string why;
            if (!reader->parse(line.data(), line.data() + line.size(), &recipe, &why) || !recipe.isObject()) {
                why = "not a JSON object";
            } else if (!names.insert(recipe["name"].asString()).second) {
                why = "\"" + recipe["name"].asString() + "\" is made twice";
            } else if (maker.make(recipe, why)) {
                ++made;
                continue;
            }
            std::cerr << file.string() << ":" << number << ": " << why << "\n";
            ++failed;
        }
    }
    // The folder is ours: files whose recipe is gone (and leftovers of a broken run) go too, so
    // the server never offers media that no question asks for.
    for (const auto& item : fs::directory_iterator(out))
        if (item.is_regular_file() && !names.count(item.path().filename().string()))
            fs::remove(item.path());
    for (const auto& problem : mediagen::SpotCheck::run(bank, out)) {
        std::cerr << problem << "\n";
        ++failed;
    }
    std::cout << "media: made " << made << " files in " << out << "\n";
    return failed ? 1 : 0;
}
