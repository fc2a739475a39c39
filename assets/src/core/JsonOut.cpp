#include "core/JsonOut.h"

#include <json/reader.h>
#include <json/writer.h>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace brindle::assets {

std::string toStableJson(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    builder["emitUTF8"] = true;
    builder["commentStyle"] = "None";
    return Json::writeString(builder, value) + "\n";
}

Json::Value parseJson(const std::string& text, const std::string& what)
{
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors))
        throw std::runtime_error(what + ": " + errors);
    return root;
}

} // namespace brindle::assets
