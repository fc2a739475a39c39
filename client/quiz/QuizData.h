// The question queue of a run and the latest verdict.
#pragma once

#include "quiz/QuestionRecord.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QuizData {
public:
    static QuizData& instance();
    void reset();

    std::deque<int> qsidQueue;
    std::vector<int> secondList;
    std::deque<std::unique_ptr<QuestionRecord>> questionQueue;
    std::unique_ptr<QuestionRecord> current;
    int currentQsid = -1;
    int lastAnsweredQsid = 0;
    // The answer option the player picked (-1: none); a successful login clears it.
    int selectedOptionIndex = -1;
    int currentGameType = 0, currentPlayType = 0;
    std::unique_ptr<AnswerResult> lastResult;

    void setString(const std::string& key, const std::string& value) { m_strings[key] = value; }
    // "" for a key never set.
    std::string string(const std::string& key) const;
    bool hasString(const std::string& key) const { return m_strings.count(key) != 0; }

private:
    QuizData() = default;
    std::map<std::string, std::string> m_strings;
};
