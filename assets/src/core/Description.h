#pragma once
// Line-oriented description files: one record a line, words separated by blanks,
// "double quotes" keep blanks inside a word, `#` starts a comment, key=value words
// become arguments. Every record remembers its file and line for error messages.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace brindle::assets {

struct DescriptionLine {
    std::string file;
    int line = 0;
    int indent = 0;                    // leading blanks (tabs count 4)
    std::vector<std::string> words;    // positional words
    std::map<std::string, std::string> args; // key=value words

    [[noreturn]] void fail(const std::string& message) const;
    // Positional word i, or fail naming what was expected.
    const std::string& word(size_t i, const char* what) const;
    bool has(const std::string& key) const { return args.count(key) != 0; }
    std::string text(const std::string& key, const std::string& fallback) const;
    double number(const std::string& key, double fallback) const;
    int integer(const std::string& key, int fallback) const;
    // "WxH" parsed; fails on anything else.
    void size(size_t i, int& width, int& height) const;
    // Colour "#rrggbb" or "#rrggbbaa" into 0..1 components.
    void colour(const std::string& key, const std::string& fallback, double rgba[4]) const;
    // Fails if an argument outside the list was given (catches typos in descriptions).
    void allowOnly(std::initializer_list<const char*> keys) const;
};

class Description {
public:
    // Reads the file; fails with SourceError on an unterminated quote.
    static std::vector<DescriptionLine> read(const std::filesystem::path& path, const std::string& shownName);
    static std::vector<DescriptionLine> parse(const std::string& text, const std::string& shownName);
};

double parseNumber(const DescriptionLine& line, const std::string& text, const std::string& what);

} // namespace brindle::assets
