// The real question bank and its generated pictures for the picture-guess screens' tests: bank
// lines read from the build's server data, made current through the client's own question parser.
#pragma once

#include <json/value.h>

#include <string>
#include <vector>

namespace test_support {

// The line as the server would send it ("questid" for "qsid"), parsed into QuizData's current.
void makeCurrent(const Json::Value& line);
// Marks the current question's pictures (its "img" and, where it names one, its question text) as
// downloaded from the generated media.
void downloadCurrentPictures();

} // namespace test_support
