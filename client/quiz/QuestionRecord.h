// A question as the server sent it, and the verdict on an answer.
#pragma once

#include <string>
#include <variant>
#include <vector>

struct AnswerRect {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Game type 1.
struct ChoiceQuestion {
    std::string right;
    int seltype = 0;
    int multiple = 0; // only for play type 15
};

// Game type 2.
struct ImageQuestion {
    std::string right;
    std::string img;
    int answerlength = 0;
    std::vector<AnswerRect> rects; // play types 6 and 10
    int awardtype = 0, awardnum = 0; // play type 13
};

// Game types 3 (voice, "music") and 4 (video, "video").
struct MediaQuestion {
    int answerlength = 0;
    int seltype = 0;
    std::string media;
};

struct QuestionRecord {
    int questid = 0, prizemoney = 0, gametype = 0, playtype = 0, seltype = 0;
    std::string question, explain;
    std::vector<std::string> answers;
    std::vector<std::string> jumpUrls;
    std::vector<std::string> jumpNames;
    std::variant<ChoiceQuestion, ImageQuestion, MediaQuestion> details;
    // Contest pushes only: the question's id, and 0 when it may be seen but no longer answered.
    int qsid = -1;
    int flag = 1;
};

struct AnswerResult {
    int addscore = 0, addmoney = 0, awardScore = 0, awardMoney = 0;
    std::string explain, adicon, adname, adinfo, adurl, apkname, answer;
};
