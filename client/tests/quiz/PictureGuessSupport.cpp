#include "quiz/PictureGuessSupport.h"

#include "net/JsonRead.h"
#include "net/QuizParsers.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScreenSupport.h"

namespace test_support {

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
