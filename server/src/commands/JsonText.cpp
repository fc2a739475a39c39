#include "commands/JsonText.h"

#include <json/reader.h>
#include <json/writer.h>

#include <memory>
#include <sstream>

namespace server {

bool JsonText::parse(std::string_view text, Json::Value& out, std::string& error) {
    thread_local std::unique_ptr<Json::CharReader> reader = [] {
        Json::CharReaderBuilder builder;
        builder["collectComments"] = false;
        builder["stackLimit"] = 100;
        builder["failIfExtra"] = true;
        builder["rejectDupKeys"] = false;
        return std::unique_ptr<Json::CharReader>(builder.newCharReader());
    }();
    error.clear();
    return reader->parse(text.data(), text.data() + text.size(), &out, &error);
}

std::string JsonText::write(const Json::Value& value) {
    thread_local std::unique_ptr<Json::StreamWriter> writer = [] {
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "";
        builder["emitUTF8"] = true;
        // 15 significant digits: every number written as decimal text of up to 15 digits (all
        // that answers carry: contest times in tenths, seeded content) comes out as written, 12.3
        // and not 12.300000000000001 as 17 digits would have it.
        builder["precision"] = 15;
        builder["precisionType"] = "significant";
        return std::unique_ptr<Json::StreamWriter>(builder.newStreamWriter());
    }();
    thread_local std::ostringstream stream;
    stream.str(std::string());
    stream.clear();
    writer->write(value, &stream);
    return stream.str();
}

} // namespace server
