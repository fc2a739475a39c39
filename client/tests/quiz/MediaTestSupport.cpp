#include "quiz/MediaTestSupport.h"

#include "quiz/QuizData.h"

USING_NS_CC;

namespace test_support {

void MediaQuizTest::SetUp() {
    QuizScreenTest::SetUp();
    auto platform = std::make_unique<FilmPlatform>();
    platform->temp = m_platform->temp;
    m_film = &platform->film;
    m_platform = platform.get();
    Platform::install(std::move(platform));
    beforePlay();
    enterPlay();
    audio().clear(); // the play scene's own music
}

void MediaQuizTest::TearDown() {
    // While the engine still runs: the film's picture hangs on the director.
    m_film->stopVideo();
    QuizScreenTest::TearDown();
}

QuestionRecord& MediaQuizTest::mediaQuestion(int gameType, int playType, const std::string& clip,
                                             const std::string& path, std::vector<std::string> answers, int seltype,
                                             int answerLength) {
    QuestionRecord& question = setQuestion(gameType, playType, std::move(answers), seltype);
    auto& media = std::get<MediaQuestion>(question.details);
    media.media = clip;
    media.seltype = seltype;
    media.answerlength = answerLength;
    if (!path.empty()) downloaded(clip, path);
    return question;
}

int MediaQuizTest::filmPictures() const {
    CCNode* parent = CCDirector::sharedDirector()->getNotificationNode();
    int shown = 0;
    for (CCSprite* picture : childrenOf<CCSprite>(parent)) shown += picture->isVisible() ? 1 : 0;
    return shown;
}

} // namespace test_support
