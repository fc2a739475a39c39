#include "quiz/CQuestionMission.h"

#include "quiz/QuizData.h"

CQuestionMission* CQuestionMission::instance() {
    static CQuestionMission* mission = new CQuestionMission;
    return mission;
}

void CQuestionMission::start(int) {}
void CQuestionMission::requestNextQuestion(int) {}
void CQuestionMission::submitAnswer(const std::string&, int, int, int optionIndex) {
    QuizData::instance().selectedOptionIndex = optionIndex;
}
void CQuestionMission::MsgResponseQuestionData(int) {}
void CQuestionMission::onAnswerResult(int) {}
void CQuestionMission::showAnswerFeedback() {}
void CQuestionMission::skipAdOption() { QuizData::instance().selectedOptionIndex = -1; }
void CQuestionMission::resetForTesting() {
    m_wallShown = false;
    m_lastSubmittedQsid = -1;
    m_answerStatus = 3;
    m_competition = false;
    m_contestOffer = nullptr;
}
int CQuestionMission::takeNextId() { return -1; }
bool CQuestionMission::wallCheck() { return false; }
void CQuestionMission::updateCompetition() {}
void CQuestionMission::showPrize() {}
void CQuestionMission::showAnswerOver() {}
void CQuestionMission::showWaitingCover() {}
void CQuestionMission::backToMain() {}
void CQuestionMission::openRegistration() {}
void CQuestionMission::nextQuestion() {}
