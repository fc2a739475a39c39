// The voice and video screens: the clock waits for the clip, the voice buttons follow the music
// channel, the film follows the screen's lock and leaves with it, clips that never come or cannot
// be played do not hold the question, and the test players finish every question of the bank.
// Films play in the real FFmpeg player; clips on the engine's recording back end, or on the real
// mixer over SDL's dummy driver where decoding matters.
#include "quiz/MediaTestSupport.h"

#include "account/ServerProcess.h"
#include "app/SoundManager.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/CVideoChooseLayer.h"
#include "quiz/CVideoFillLayer.h"
#include "quiz/CVoiceChooseLayer.h"
#include "quiz/CVoiceFillLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/ScreenPlayers.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "SimpleAudioEngine.h"
#include "extensions/gui/UIWidget.h"
#include "testing/EngineTesting.h"

#include <SDL2/SDL.h>
#include <json/reader.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

USING_NS_CC;
using namespace test_support;
using CocosDenshion::SimpleAudioEngine;
namespace et = engine::testing;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// SDL_mixer on SDL's dummy driver for the life of the object (the engine keeps the mixer off
// when the environment names that driver, so the driver is named through SDL's hint instead).
class RealMixer {
public:
    RealMixer() {
        if (const char* driver = std::getenv("SDL_AUDIODRIVER")) m_saved = driver;
        ::unsetenv("SDL_AUDIODRIVER");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        SimpleAudioEngine::sharedEngine()->setBackend(nullptr);
        m_open = std::string(SimpleAudioEngine::sharedEngine()->backend()->name()) == "sdl_mixer";
    }
    ~RealMixer() {
        SimpleAudioEngine::sharedEngine()->setBackend(std::make_unique<CocosDenshion::RecordingAudioBackend>());
        SDL_SetHint(SDL_HINT_AUDIODRIVER, nullptr);
        if (!m_saved.empty()) ::setenv("SDL_AUDIODRIVER", m_saved.c_str(), 1);
    }
    bool open() const { return m_open; }

private:
    std::string m_saved;
    bool m_open = false;
};

class MediaScreensTest : public MediaQuizTest {
protected:
    QuestionRecord& fromBank(const Json::Value& line) {
        std::vector<std::string> answers;
        for (const Json::Value& answer : line["answer"]) answers.push_back(answer.asString());
        const int gameType = line["gametype"].asInt();
        const std::string clip = line[gameType == 3 ? "music" : "video"].asString();
        QuestionRecord& question = mediaQuestion(gameType, line["playtype"].asInt(), clip, bankMedia(clip),
                                                 answers, line["seltype"].asInt(), line["answerlength"].asInt());
        question.questid = line["qsid"].asInt();
        question.question = line["question"].asString();
        return question;
    }
    // A game server on loopback that hands out the generated clips.
    std::unique_ptr<LoopbackServer> clipServer() {
        auto server = std::make_unique<LoopbackServer>(true, [](const Json::Value& request) {
            Reply reply = Reply::json(Json::Value(Json::objectValue));
            reply.body = readFile(bankMedia(request["media"].asString()));
            return reply;
        });
        UserSession::instance().setLoginValues(42, "session");
        NetManager::instance().setHeartbeatInterval(1000); // only the clips go out
        NetManager::instance().setGameEndpoint("127.0.0.1", server->port());
        return server;
    }
    std::vector<CocosDenshion::AudioCall> musicPlays() { return audio().callsNamed("playMusic"); }
    void tapNode(CCNode* node) {
        const CCPoint at = node->getParent()->convertToWorldSpace(node->getPosition());
        et::tap(at.x, at.y);
    }
    void tapBackButton() {
        const CCPoint at = m_host->backButton()->getWorldPosition();
        et::tap(at.x, at.y);
    }
    PlayerTurn turn(CQuestionLayer* screen, const std::string& right, bool win) {
        return PlayerTurn{screen, right, win, [](float seconds) { et::stepSeconds(seconds); }};
    }
};

TEST_F(MediaScreensTest, VoiceAndVideoClocksWaitForTheDownload) {
    auto server = clipServer();
    struct Case {
        int gameType, playType;
        const char* clip;
        bool cover;
    };
    const Case cases[] = {{3, 1, "voice_capital.mp3", false},
                          {3, 2, "voice_zhongguo.mp3", true},
                          {4, 1, "video_car.mp4", false},
                          {4, 2, "video_sun.mp4", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip);
        audio().clear();
        mediaQuestion(c.gameType, c.playType, c.clip);
        auto* screen = dynamic_cast<CMediaQuestionLayer*>(draw());
        ASSERT_NE(screen, nullptr);
        EXPECT_FALSE(clockRunning());
        EXPECT_TRUE(screen->isWaitingForMedia());
        EXPECT_EQ(screen->getChildByTag(CMediaQuestionLayer::kCoverTag) != nullptr, c.cover);
        EXPECT_TRUE(musicPlays().empty());
        EXPECT_FALSE(m_film->hasPlayer());

        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_TRUE(clockRunning());
        EXPECT_EQ(screen->getChildByTag(CMediaQuestionLayer::kCoverTag), nullptr);
        const std::string onDisk = QuizData::instance().string(c.clip);
        EXPECT_EQ(readFile(onDisk), readFile(bankMedia(c.clip)));
        if (c.gameType == 3) {
            ASSERT_EQ(musicPlays().size(), 1u);
            EXPECT_EQ(musicPlays()[0].file, onDisk);
            EXPECT_FALSE(musicPlays()[0].loop);
            EXPECT_FLOAT_EQ(audio().musicVolume(), 1.0f);
        } else {
            EXPECT_TRUE(m_film->canShowFilm());
            et::stepSeconds(0.5f);
            EXPECT_GT(m_film->framesShown(), 2);
        }
    }
}

TEST_F(MediaScreensTest, VoiceButtonsFollowTheClipUntilTheAnswer) {
    SoundManager::instance().setMusicOn(false); // the clip is heard all the same
    mediaQuestion(3, 1, "voice_capital.mp3", bankMedia("voice_capital.mp3"));
    auto* screen = dynamic_cast<CVoiceChooseLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_FLOAT_EQ(audio().musicVolume(), 1.0f);
    EXPECT_EQ(musicPlays().size(), 1u);
    EXPECT_FALSE(screen->playButton()->isVisible());
    EXPECT_TRUE(screen->pauseButton()->isVisible());
    EXPECT_FLOAT_EQ(screen->playButton()->getScale(), 0.5f);
    const CCPoint buttons = screen->pauseButton()->getParent()->convertToWorldSpace(CCPointZero);
    EXPECT_EQ(buttons.x, 480);
    EXPECT_EQ(buttons.y, 400);

    // The clip ends: the buttons swap back at the next check.
    audio().finishMusic();
    et::stepSeconds(CVoiceQuestionLayer::kCheckSeconds * 2);
    EXPECT_TRUE(screen->playButton()->isVisible());
    EXPECT_FALSE(screen->pauseButton()->isVisible());

    // Play starts it from the beginning; pause stops it.
    tapNode(screen->playButton());
    ASSERT_EQ(musicPlays().size(), 2u);
    EXPECT_EQ(musicPlays()[1].file, bankMedia("voice_capital.mp3"));
    EXPECT_TRUE(screen->pauseButton()->isVisible());
    const std::size_t stops = audio().callsNamed("stopMusic").size();
    tapNode(screen->pauseButton());
    EXPECT_EQ(audio().callsNamed("stopMusic").size(), stops + 1);
    EXPECT_TRUE(screen->playButton()->isVisible());
    EXPECT_FALSE(screen->pauseButton()->isVisible());

    // Answering stops the check: the clip that plays on keeps its buttons as they are.
    tapNode(screen->playButton());
    ASSERT_TRUE((*screenPlayer(3, 1))(turn(screen, "上海", true)));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "上海");
    EXPECT_EQ(m_submitted[0].optionIndex, 1);
    audio().finishMusic();
    et::stepSeconds(CVoiceQuestionLayer::kCheckSeconds * 3);
    EXPECT_TRUE(screen->pauseButton()->isVisible());
    tapNode(screen->playButton());
    EXPECT_EQ(musicPlays().size(), 3u) << "nothing replays once answered";
}

TEST_F(MediaScreensTest, AnsweringWhileTheVideoPlaysStopsItBeforeTheAnswerIsSent) {
    bool filmAtSend = true;
    CQuestionMission::instance()->setContestOffer([&](const Json::Value& answer) {
        filmAtSend = m_film->hasPlayer();
        m_submitted.push_back({answer["answer"].asString(), QuizData::instance().selectedOptionIndex});
        return true;
    });
    const std::vector<std::string> answers = {"向左", "向右", "向上", "向下"};
    mediaQuestion(4, 1, "video_car.mp4", bankMedia("video_car.mp4"), answers);
    auto* screen = dynamic_cast<CVideoChooseLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    et::stepSeconds(0.5f);
    ASSERT_TRUE(m_film->canShowFilm());
    ASSERT_TRUE((*screenPlayer(4, 1))(turn(screen, "向右", true)));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "向右");
    EXPECT_FALSE(filmAtSend);
    EXPECT_EQ(filmPictures(), 0);

    // The fill screen too, when the last cell is filled.
    filmAtSend = true;
    mediaQuestion(4, 2, "video_sun.mp4", bankMedia("video_sun.mp4"),
                  {"东阳月山地火土大白水太和春西云天北木石人中风南小"});
    auto* fill = dynamic_cast<CVideoFillLayer*>(draw());
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(QuestionStage::instance().current(), fill);
    ASSERT_TRUE(m_film->canShowFilm());
    ASSERT_TRUE((*screenPlayer(4, 2))(turn(fill, "太阳", true)));
    ASSERT_EQ(m_submitted.size(), 2u);
    EXPECT_EQ(m_submitted[1].answer, "太阳");
    EXPECT_EQ(m_submitted[1].optionIndex, -1);
    EXPECT_FALSE(filmAtSend);
}

TEST_F(MediaScreensTest, TheFilmHidesWhileLockedOrPausedAndClosesWhenTheScreenGoes) {
    mediaQuestion(4, 2, "video_seasons.mp4", bankMedia("video_seasons.mp4"),
                  {"草石冬水秋北月天木大人中西和下红风夏花白金上春地"}, 0, 4);
    CQuestionLayer* screen = draw();
    ASSERT_NE(dynamic_cast<CVideoFillLayer*>(screen), nullptr);
    ASSERT_TRUE(m_film->canShowFilm());
    EXPECT_EQ(filmPictures(), 1);

    QuestionStage::instance().setAnswered(true);
    EXPECT_TRUE(m_film->isPaused());
    EXPECT_EQ(filmPictures(), 0);
    QuestionStage::instance().setAnswered(false);
    EXPECT_FALSE(m_film->isPaused());
    EXPECT_EQ(filmPictures(), 1);

    // The pause menu is not drawn under the film; the film comes back when play goes on.
    tapBackButton();
    ASSERT_NE(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    et::stepFrames(2);
    EXPECT_TRUE(m_film->isPaused());
    const int frames = m_film->framesShown();
    et::stepSeconds(0.5f);
    EXPECT_EQ(m_film->framesShown(), frames);
    m_host->resumePlay();
    et::stepFrames(2);
    EXPECT_FALSE(m_film->isPaused());
    EXPECT_EQ(filmPictures(), 1);

    // A question of another kind takes the screen away, and the film with it.
    mediaQuestion(3, 2, "voice_zhongguo.mp3", bankMedia("voice_zhongguo.mp3"),
                  {"土水风草下小红春国大地人月中花西北东山云南和天石"});
    ASSERT_NE(dynamic_cast<CVoiceFillLayer*>(draw()), nullptr);
    EXPECT_FALSE(m_film->hasPlayer());
    EXPECT_EQ(filmPictures(), 0);
}

TEST_F(MediaScreensTest, ASecondQuestionOfTheSameVideoKindReusesTheScreenAndClosesThePreviousFilm) {
    const std::vector<std::string> answers = {"2个", "3个", "4个", "5个"};
    mediaQuestion(4, 1, "video_balloons.mp4", bankMedia("video_balloons.mp4"), answers);
    CQuestionLayer* first = draw();
    ASSERT_TRUE(m_film->canShowFilm());
    CCSprite* firstPicture = m_film->picture();
    const unsigned children = m_host->getChildrenCount();
    et::stepSeconds(42.5f); // the clock runs out with the film still open; the verdict locks the screen
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "-1");
    QuestionStage::instance().setAnswered(true);
    QuestionStage::instance().setAnswered(false);

    // The next film has not arrived yet: the previous one is closed meanwhile, not shown again.
    UserSession::instance().setLoginValues(0, "");
    mediaQuestion(4, 1, "video_stars.mp4", "", {"3颗", "4颗", "5颗", "6颗"});
    CQuestionLayer* second = draw();
    EXPECT_EQ(second, first);
    EXPECT_EQ(m_host->getChildrenCount(), children);
    EXPECT_FALSE(m_film->hasPlayer());
    EXPECT_EQ(filmPictures(), 0);

    // Once it is here only the new film plays.
    downloaded("video_stars.mp4", bankMedia("video_stars.mp4"));
    mediaQuestion(4, 1, "video_stars.mp4", "", {"3颗", "4颗", "5颗", "6颗"});
    draw();
    ASSERT_TRUE(m_film->canShowFilm());
    EXPECT_NE(m_film->picture(), firstPicture);
    EXPECT_EQ(childrenOf<CCSprite>(CCDirector::sharedDirector()->getNotificationNode()).size(), 1u);
}

TEST_F(MediaScreensTest, ClipsThatCannotBePlayedAreRefusedAndTheQuestionStillEnds) {
    RealMixer mixer;
    if (!mixer.open()) GTEST_SKIP() << "SDL_mixer cannot open SDL's dummy driver here";
    const std::string garbage = m_folder + "garbage.bin";
    std::ofstream(garbage) << "not a sound, not a film";
    struct Case {
        int gameType, playType;
        std::string path;
        const char* refusal;
    };
    const Case cases[] = {{3, 1, garbage, "cannot be played"},
                          {3, 2, garbage, "cannot be played"},
                          {4, 1, garbage, "no film we can show"},
                          // A voice clip handed to the film screen: sound, but no picture.
                          {4, 2, bankMedia("voice_capital.mp3"), "no film we can show"},
                          {4, 1, "", "names no clip"}};
    int clip = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gameType) + ":" + std::to_string(c.playType) + " " + c.path);
        m_log.clear();
        m_submitted.clear();
        const std::string name = c.path.empty() ? "" : "clip" + std::to_string(clip++);
        mediaQuestion(c.gameType, c.playType, name, c.path);
        auto* screen = dynamic_cast<CMediaQuestionLayer*>(draw());
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(logged(c.refusal));
        EXPECT_TRUE(clockRunning());
        EXPECT_EQ(screen->getChildByTag(CMediaQuestionLayer::kCoverTag), nullptr);
        EXPECT_FALSE(m_film->hasPlayer());
        EXPECT_FALSE(SimpleAudioEngine::sharedEngine()->isBackgroundMusicPlaying());
        if (auto* voice = dynamic_cast<CVoiceQuestionLayer*>(screen)) {
            EXPECT_FALSE(voice->playButton()->isVisible());
            EXPECT_FALSE(voice->pauseButton()->isVisible());
        }
        // The player can still leave.
        tapBackButton();
        ASSERT_NE(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);
        m_host->resumePlay();
        et::stepSeconds(42.5f);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, "-1");
    }
}

TEST_F(MediaScreensTest, AClipThatNeverArrivesIsGivenUpOn) {
    // A server that sits on the clip until the test lets it go.
    std::atomic<bool> release{false};
    LoopbackServer server(true, [&](const Json::Value& request) {
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Reply reply = Reply::json(Json::Value(Json::objectValue));
        reply.body = readFile(bankMedia(request["media"].asString()));
        return reply;
    });
    struct Release {
        std::atomic<bool>& flag;
        ~Release() { flag = true; }
    } releaseOnExit{release};
    UserSession::instance().setLoginValues(42, "session");
    NetManager::instance().setHeartbeatInterval(1000);
    NetManager::instance().setGameEndpoint("127.0.0.1", server.port());

    mediaQuestion(3, 2, "voice_zhongguo.mp3", "", {"土水风草下小红春国大地人月中花西北东山云南和天石"});
    auto* screen = dynamic_cast<CVoiceFillLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    et::stepSeconds(CMediaQuestionLayer::kGiveUpSeconds - 1);
    EXPECT_NE(screen->getChildByTag(CMediaQuestionLayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    tapBackButton();
    EXPECT_EQ(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr) << "the cover keeps hands off";
    et::stepSeconds(1.1f);
    EXPECT_EQ(screen->getChildByTag(CMediaQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_TRUE(logged("not here after 25 s"));
    tapBackButton();
    EXPECT_NE(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    m_host->resumePlay();

    // Arriving late, the clip still plays.
    EXPECT_TRUE(musicPlays().empty());
    release = true;
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_EQ(musicPlays().size(), 1u);
    EXPECT_TRUE(screen->isClipPlaying());
    EXPECT_TRUE(clockRunning());
    ASSERT_TRUE((*screenPlayer(3, 2))(turn(screen, "中国", true)));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "中国");
}

TEST_F(MediaScreensTest, TheRealMixerPlaysTheVoiceClipToItsEnd) {
    RealMixer mixer;
    if (!mixer.open()) GTEST_SKIP() << "SDL_mixer cannot open SDL's dummy driver here";
    mediaQuestion(3, 1, "voice_count.mp3", bankMedia("voice_count.mp3"));
    auto* screen = dynamic_cast<CVoiceChooseLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(SimpleAudioEngine::sharedEngine()->isBackgroundMusicPlaying());
    EXPECT_TRUE(screen->isClipPlaying());
    EXPECT_TRUE(screen->pauseButton()->isVisible());
    // The dummy driver plays in real time.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (screen->isClipPlaying() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        et::stepSeconds(0.05f);
    }
    EXPECT_FALSE(screen->isClipPlaying());
    EXPECT_FALSE(SimpleAudioEngine::sharedEngine()->isBackgroundMusicPlaying());
    EXPECT_TRUE(screen->playButton()->isVisible());
    EXPECT_FALSE(screen->pauseButton()->isVisible());
}

TEST_F(MediaScreensTest, PlayersWinAndLoseEveryBankQuestion) {
    for (const char* file : {"g3p01_listen_choose.jsonl", "g3p02_listen_write.jsonl", "g4p01_watch_choose.jsonl",
                             "g4p02_watch_write.jsonl"}) {
        const std::vector<Json::Value> lines = bankLines(file);
        EXPECT_GE(lines.size(), 5u) << file;
        for (const Json::Value& line : lines) {
            for (bool win : {true, false}) {
                SCOPED_TRACE(line["qsid"].asString() + (win ? " win" : " lose"));
                m_submitted.clear();
                const QuestionRecord& question = fromBank(line);
                CQuestionLayer* screen = draw();
                ASSERT_NE(screen, nullptr);
                ASSERT_TRUE(clockRunning());
                const ScreenPlayer* player = screenPlayer(question.gametype, question.playtype);
                ASSERT_NE(player, nullptr);
                const std::string right = line["right"].asString();
                ASSERT_TRUE((*player)(turn(screen, right, win)));
                ASSERT_EQ(m_submitted.size(), 1u);
                EXPECT_EQ(m_submitted[0].answer == right, win) << m_submitted[0].answer;
                QuestionStage::instance().setAnswered(true);
                QuestionStage::instance().setAnswered(false);
            }
        }
    }
}

TEST_F(MediaScreensTest, PlayersWinEveryMediaQuestionAgainstTheRealServer) {
    std::unique_ptr<ServerProcess> server;
    startServerWithGuest(m_folder, server);
    if (!server) return;
    CQuestionMission::instance()->setContestOffer(nullptr); // the answers go to the server
    for (const char* file : {"g3p01_listen_choose.jsonl", "g3p02_listen_write.jsonl", "g4p01_watch_choose.jsonl",
                             "g4p02_watch_write.jsonl"}) {
        for (const Json::Value& line : bankLines(file)) {
            SCOPED_TRACE(line["qsid"].asString());
            QuizData::instance().qsidQueue = {line["qsid"].asInt()};
            CQuestionMission::instance()->start();
            ASSERT_TRUE(pumpUntilIdle(15)); // the question, then its clip
            CQuestionLayer* screen = QuestionStage::instance().current();
            ASSERT_NE(dynamic_cast<CMediaQuestionLayer*>(screen), nullptr);
            EXPECT_TRUE(clockRunning());
            const QuestionRecord& question = *QuizData::instance().current;
            ASSERT_TRUE((*screenPlayer(question.gametype, question.playtype))(
                turn(screen, line["right"].asString(), true)));
            ASSERT_TRUE(pumpUntilIdle(15));
            ASSERT_NE(QuizData::instance().lastResult, nullptr);
            EXPECT_GT(QuizData::instance().lastResult->addscore, 0) << "judged wrong";
            EXPECT_FALSE(m_film->hasPlayer());
            QuizData::instance().lastResult.reset();
            // The player leaves the verdict; the next question is drawn on a clear host.
            EXPECT_EQ(closeVerdictBoxes(m_host), 1);
        }
    }
}

} // namespace
