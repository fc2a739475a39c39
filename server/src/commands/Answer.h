// What a command hands back: a JSON answer (the usual case) or raw bytes (media downloads).
#pragma once

#include <json/value.h>

#include <string>
#include <utility>

namespace server {

struct Answer {
    Answer() : json(Json::objectValue) {}
    Answer(Json::Value value) : json(std::move(value)) {} // NOLINT: handlers return plain JSON

    // Bytes sent after the length prefix exactly as given: never masked, never Base64.
    static Answer raw(std::string bytes) {
        Answer answer;
        answer.isRaw = true;
        answer.rawBytes = std::move(bytes);
        return answer;
    }

    // {"response": 0}: the common refusal.
    static Answer refused() {
        Json::Value value(Json::objectValue);
        value["response"] = 0;
        return Answer(std::move(value));
    }

    Json::Value json;
    std::string rawBytes;
    bool isRaw = false;
};

} // namespace server
