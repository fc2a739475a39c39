#include "core/GenContext.h"

#include "core/FileUtil.h"
#include "core/JsonOut.h"
#include "core/PngWriter.h"

#include <stdexcept>

namespace brindle::assets {

GenContext::GenContext(std::filesystem::path sourceDir, std::filesystem::path outDir)
    : m_sourceDir(std::move(sourceDir))
    , m_outDir(std::move(outDir))
    , m_index(Json::objectValue)
{
}

std::string GenContext::shown(const std::filesystem::path& path) const
{
    return path.lexically_relative(m_sourceDir).generic_string();
}

void GenContext::write(const std::string& relative, std::string_view bytes)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_written.insert(relative).second)
            throw std::logic_error("two steps write " + relative);
    }
    writeFileIfChanged(m_outDir / relative, bytes);
}

void GenContext::writePng(const std::string& relative, cairo_surface_t* surface)
{
    write(relative, PngWriter::encode(surface));
}

void GenContext::writeJson(const std::string& relative, const Json::Value& value)
{
    write(relative, toStableJson(value));
}

void GenContext::index(const std::string& section, const std::string& name, const Json::Value& facts)
{
    std::lock_guard lock(m_mutex);
    m_index[section][name] = facts;
}

Json::Value GenContext::indexSnapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_index;
}

std::set<std::string> GenContext::writtenFiles() const
{
    std::lock_guard lock(m_mutex);
    return m_written;
}

} // namespace brindle::assets
