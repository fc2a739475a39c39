// The voice and video screens on a real play scene with the real FFmpeg film player in the
// platform, and questions with their clips from the generated media of the bank.
#pragma once

#include "quiz/QuizScreenSupport.h"

#include "app/FfmpegVideoPlayer.h"

#include <string>
#include <vector>

namespace test_support {

class FilmPlatform : public FakePlatform {
public:
    VideoPlayer& videoPlayer() override { return film; }
    FfmpegVideoPlayer film;
};

class MediaQuizTest : public QuizScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before the play scene enters (render tests switch to GL here).
    virtual void beforePlay() {}

    // A question of the pair with its clip; the clip is on disk when `path` is given.
    QuestionRecord& mediaQuestion(int gameType, int playType, const std::string& clip, const std::string& path = "",
                                  std::vector<std::string> answers = {"北京", "上海", "广州", "重庆"},
                                  int seltype = 0, int answerLength = 2);
    // Film pictures shown over the scene.
    int filmPictures() const;

    FfmpegVideoPlayer* m_film = nullptr;
};

} // namespace test_support
