#include "quiz/PictureGuessSupport.h"

#include "net/JsonRead.h"
#include "net/QuizParsers.h"
#include "quiz/QuizData.h"

#include <fstream>

namespace test_support {

namespace {
std::string serverData() { return std::string(BRINDLE_RESOURCES_DIR) + "/../server-data/"; }
} // namespace

std::string bankMedia(const std::string& name) { return serverData() + "media/" + name; }

std::vector<Json::Value> bankQuestions(const std::string& file) {
    std::vector<Json::Value> lines;
    std::ifstream in(serverData() + "bank/" + file);
    for (std::string text; std::getline(in, text);) {
        if (text.empty() || text[0] == '#') continue;
        Json::Value line;
        if (JsonRead::parse(text, line)) lines.push_back(line);
    }
    return lines;
}

void makeCurrent(const Json::Value& line) {
    Json::Value sent = line;
    sent["questid"] = line["qsid"];
    sent.removeMember("right");
    sent.removeMember("explain");
    QuizData& quiz = QuizData::instance();
    quiz.questionQueue.clear();
    int code = -1;
    QuizParsers::question(sent, &code);
    if (quiz.questionQueue.empty()) return;
    quiz.current = std::move(quiz.questionQueue.front());
    quiz.questionQueue.pop_front();
    quiz.currentQsid = quiz.current->questid;
    quiz.currentGameType = quiz.current->gametype;
    quiz.currentPlayType = quiz.current->playtype;
}

void downloadCurrentPictures() {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) return;
    std::vector<std::string> names;
    if (const auto* image = std::get_if<ImageQuestion>(&question->details)) names.push_back(image->img);
    if (question->question.size() > 4 && question->question.compare(question->question.size() - 4, 4, ".png") == 0) {
        names.push_back(question->question);
    }
    for (const std::string& name : names) QuizData::instance().setString(name, bankMedia(name));
}

} // namespace test_support
