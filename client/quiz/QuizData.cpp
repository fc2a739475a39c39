#include "quiz/QuizData.h"

QuizData& QuizData::instance() {
    static QuizData* data = new QuizData;
    return *data;
}

void QuizData::reset() {
    qsidQueue.clear();
    secondList.clear();
    questionQueue.clear();
    current.reset();
    currentQsid = -1;
    lastAnsweredQsid = 0;
    selectedOptionIndex = -1;
    currentGameType = currentPlayType = 0;
    lastResult.reset();
    m_strings.clear();
}

std::string QuizData::string(const std::string& key) const {
    auto found = m_strings.find(key);
    return found == m_strings.end() ? std::string() : found->second;
}
