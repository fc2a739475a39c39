#pragma once
// A fault in one of the asset descriptions: carries where it was found so the
// generator can say "file:line: what" and stop.

#include <stdexcept>
#include <string>

namespace brindle::assets {

class SourceError : public std::runtime_error {
public:
    SourceError(std::string file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message)
        , m_file(std::move(file))
        , m_line(line)
    {
    }

    const std::string& file() const { return m_file; }
    int line() const { return m_line; }

private:
    std::string m_file;
    int m_line;
};

} // namespace brindle::assets
