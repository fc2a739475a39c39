// The real question bank and its generated pictures for the picture-guess screens' tests: bank
// lines read from the build's server data, made current through the client's own question parser.
#pragma once

#include <json/value.h>

#include <string>
#include <vector>

namespace test_support {

// A generated media file of the build's server data.
std::string bankMedia(const std::string& name);
// The question lines of one bank file ("g2p06_spot_difference.jsonl"), comments skipped.
std::vector<Json::Value> bankQuestions(const std::string& file);
// The line as the server would send it ("questid" for "qsid"), parsed into QuizData's current.
void makeCurrent(const Json::Value& line);
// Marks the current question's pictures (its "img" and, where it names one, its question text) as
// downloaded from the generated media.
void downloadCurrentPictures();

} // namespace test_support
