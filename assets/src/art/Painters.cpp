#include "art/Painters.h"

#include <map>
#include <stdexcept>

namespace brindle::assets {

namespace {
std::map<std::string, Painter>& table()
{
    static std::map<std::string, Painter> painters;
    return painters;
}
} // namespace

bool Painters::add(const std::string& name, Painter painter)
{
    if (!table().emplace(name, std::move(painter)).second)
        throw std::logic_error("painter registered twice: " + name);
    return true;
}

const Painter* Painters::find(const std::string& name)
{
    auto it = table().find(name);
    return it == table().end() ? nullptr : &it->second;
}

std::vector<std::string> Painters::names()
{
    std::vector<std::string> out;
    for (const auto& entry : table())
        out.push_back(entry.first);
    return out;
}

Rgba argColour(const DescriptionLine& line, const std::string& key, const std::string& fallback)
{
    double c[4];
    line.colour(key, fallback, c);
    return { c[0], c[1], c[2], c[3] };
}

} // namespace brindle::assets
