// Figures of the single-player play scene with the whole client stack (NetManager and its worker
// thread, real sockets) against a real brindle-server on loopback, drawn with real GL (SDL's
// offscreen driver) in the game's own resolution:
//   BENCH play_next_question_ms  median wait from the "NextQuestion" tap on the answer box to the end
//                                of the frame that first draws the next text-choice question (goal <= 50)
//   BENCH play_frame_us          mean frame cost of the play scene with a four-option question shown
//   BENCH menu_frame_us          the same for the main menu
//   BENCH play_over_menu         ratio of the two (goal <= 1.2)
//   BENCH menu_draw_calls        draw calls of one main-menu frame (goal <= 25)
//   BENCH play_draw_calls        draw calls of one play frame with a four-option question (goal <= 25)
//   BENCH other_kinds_frame_us   the costliest frame among the other question kinds met on the way
//                                (board, picture, character, voice and video games), once each
//   BENCH other_kinds_draw_calls the most draw calls among them
//
// How the wait is measured. The player's wait is set by the game loop as much as by the network:
// answers are taken on the main thread once per frame (NetManager::poll is the director's frame
// hook) and a question is seen only when a frame draws it. So the loop below is the game's own:
// CCApplication::run's pacing (events, sleep until 1/60 s since the last frame began, one
// director mainLoop) on the director's real clock. A manual clock stepped as fast as possible would
// poll the answer the moment it lands and hide the frame pacing the player actually sits through.
// The click is posted to SDL's queue at a random moment between frames (a player's click does not
// wait for the loop), and the loop picks it up the way run() does: after its sleep, before the
// frame. The wait ends when the frame that draws the question is finished.
//
// Each paced frame ends with glFinish. On a real window the buffer swap presents the frame, so the
// frame is rendered then; SDL's offscreen driver swaps an EGL pbuffer, which does nothing, and
// llvmpipe would keep queueing frames until something forces a flush. Without the finish the
// frame that shows the question paid for rendering the dozen frames before it (40-140 ms of
// glFinish here instead of about 6), which no player with a window waits for.
//
// Frame cost is process CPU time per frame (llvmpipe rasterises on worker threads), each frame run
// back to back and finished with glFinish, as in the engine benchmark; the best of three rounds
// counts, so a neighbour's build does not decide the figure.
//
// Run by ./brindle bench from build-release/bench/; brindle-server is ../bin/brindle-server and the
// resources ../resources. Bounded: at most kMaxQuestions questions and kMaxSeconds seconds.
#include "account/StartScenes.h"
#include "app/AppDelegate.h"
#include "app/ClientLog.h"
#include "app/CommandLine.h"
#include "app/LinuxPlatform.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "menu/MainMenuState.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/AnswerBox.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CChoiceLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScenes.h"

#include "SimpleAudioEngine.h"
#include "cocos2d.h"
#include "platform/CCEGLView.h"
#include "render/GLIncludes.h"
#include "render/Renderer.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <poll.h>
#include <thread>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

USING_NS_CC;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kWantedSamples = 40;  // text-choice transitions measured (at least 30 are needed)
constexpr int kMinSamples = 30;
constexpr int kMaxQuestions = 250;  // questions answered at most
constexpr double kMaxSeconds = 300; // whole run at most
constexpr int kFramesPerRound = 200;
constexpr int kRounds = 3;
constexpr double kFrameInterval = 1.0 / 60; // AppDelegate's animation interval

FILE* g_figures = stdout; // where the BENCH lines go

double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// std::clock is the process's CPU time on Linux (all threads), in microseconds.
double processCpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// brindle-server on free loopback ports with a scratch database; stopped with the object.
class Server {
public:
    Server(const std::string& binary, const std::string& folder) {
        int fds[2];
        if (access(binary.c_str(), X_OK) != 0 || pipe(fds) != 0) return;
        const std::string db = folder + "/server.db";
        m_pid = fork();
        if (m_pid == 0) {
            dup2(fds[1], 1);
            dup2(fds[1], 2);
            close(fds[0]);
            execl(binary.c_str(), binary.c_str(), "--entry-port", "0", "--game-port", "0", "--db", db.c_str(),
                  "--password-cost", "min", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        m_out = fds[0];
        fcntl(m_out, F_SETFL, O_NONBLOCK);
        const auto start = Clock::now();
        while (secondsSince(start) < 15 && (m_entryPort == 0 || m_gamePort == 0)) {
            pollfd fd{m_out, POLLIN, 0};
            poll(&fd, 1, 100);
            drain();
            m_entryPort = portAfter("entry listening on 127.0.0.1:");
            m_gamePort = portAfter("game listening on 127.0.0.1:");
        }
    }
    ~Server() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
        if (m_out >= 0) close(m_out);
    }
    bool running() const { return m_entryPort != 0 && m_gamePort != 0; }
    unsigned short entryPort() const { return m_entryPort; }
    // Keeps the pipe from filling up (one log line per request).
    void drain() {
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(m_out, buffer, sizeof buffer);
            if (n <= 0) break;
            if (m_text.size() < 65536) m_text.append(buffer, static_cast<size_t>(n));
        }
    }
    const std::string& text() const { return m_text; }

private:
    unsigned short portAfter(const std::string& marker) const {
        const size_t at = m_text.find(marker);
        return at == std::string::npos ? 0 : static_cast<unsigned short>(std::atoi(m_text.c_str() + at + marker.size()));
    }
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_text;
    unsigned short m_entryPort = 0, m_gamePort = 0;
};

// The loop of CCApplication::run, one frame per call: poll events, sleep until 1/60 s has passed
// since the last frame began, run the director's mainLoop. A pending click is posted to SDL's event
// queue at its moment; if that moment falls in a sleep, the loop still finishes the sleep before it
// polls, as run() does.
class GameLoop {
public:
    void frame() {
        CCEGLView* view = CCEGLView::sharedOpenGLView();
        for (;;) {
            if (m_click && Clock::now() >= m_clickDue) postClick();
            view->pollEvents();
            const double sinceLast = secondsSince(m_last);
            if (sinceLast < kFrameInterval) {
                if (m_click && m_clickDue < m_last + interval()) {
                    std::this_thread::sleep_until(m_clickDue);
                    postClick();
                }
                const double wait = (kFrameInterval - secondsSince(m_last)) * 1000.0;
                SDL_Delay(wait > 1.0 ? static_cast<Uint32>(wait) : 1u);
                continue;
            }
            m_last = Clock::now();
            CCDirector::sharedDirector()->mainLoop();
            // The present of a real window: see the note at the top.
            glFinish();
            return;
        }
    }
    // Frames until done() holds after one (true) or the time is up (false).
    bool until(const std::function<bool()>& done, double seconds) {
        const auto start = Clock::now();
        while (secondsSince(start) < seconds) {
            frame();
            if (done()) return true;
        }
        return false;
    }
    void run(double seconds) {
        until([] { return false; }, seconds);
    }
    // A left click at a design point (y up), at a random moment within the next frame interval.
    void clickAt(const CCPoint& design, std::mt19937& random) {
        std::uniform_real_distribution<double> phase(0.0, kFrameInterval);
        m_clickPoint = design;
        m_clickDue = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(phase(random)));
        m_click = true;
    }
    Clock::time_point clickPosted() const { return m_clickPosted; }

private:
    static Clock::duration interval() {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kFrameInterval));
    }
    // Down and up at the same window point, as a mouse click arrives (AppDelegate::tapAt's mapping).
    void postClick() {
        int width = 0, height = 0;
        SDL_GetWindowSize(CCEGLView::sharedOpenGLView()->window(), &width, &height);
        SDL_Event event{};
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = static_cast<int>(m_clickPoint.x * static_cast<float>(width) / AppDelegate::kDesignWidth);
        event.button.y = static_cast<int>((AppDelegate::kDesignHeight - m_clickPoint.y) * static_cast<float>(height) /
                                          AppDelegate::kDesignHeight);
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.state = SDL_PRESSED;
        m_clickPosted = Clock::now();
        SDL_PushEvent(&event);
        event.type = SDL_MOUSEBUTTONUP;
        event.button.state = SDL_RELEASED;
        SDL_PushEvent(&event);
        m_click = false;
    }

    Clock::time_point m_last = Clock::now() - interval();
    bool m_click = false;
    Clock::time_point m_clickDue, m_clickPosted;
    CCPoint m_clickPoint;
};

struct FrameCost {
    double meanMicros = 0;
    int drawCalls = -1;
};

// Frames back to back, each finished with glFinish; the best of kRounds rounds of process CPU time.
FrameCost measureFrames() {
    CCDirector* director = CCDirector::sharedDirector();
    FrameCost cost;
    cost.meanMicros = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        const double before = processCpuSeconds();
        for (int i = 0; i < kFramesPerRound; ++i) {
            director->mainLoop();
            glFinish();
        }
        cost.meanMicros = std::min(cost.meanMicros, (processCpuSeconds() - before) * 1e6 / kFramesPerRound);
    }
    cost.drawCalls = Renderer::current()->drawCallsLastFrame();
    return cost;
}

bool isTextChoice(const QuestionRecord* question) {
    return question && question->gametype == 1 && question->playtype >= 7 && question->playtype <= 11;
}

// The node and every parent up to the running scene are visible: it was part of the last frame.
bool onScreen(CCNode* node) {
    CCScene* running = CCDirector::sharedDirector()->getRunningScene();
    for (; node; node = node->getParent()) {
        if (!node->isVisible()) return false;
        if (node == running) return true;
    }
    return false;
}

// The text choice screen of the current question, drawn with its options.
bool textChoiceDrawn() {
    auto* screen = dynamic_cast<CChoiceLayer*>(QuestionStage::instance().current());
    return screen && screen->getChildrenCount() > 0 && onScreen(screen);
}

// A question with four options, all at once (CAddAnswerMenu), is on screen.
bool fourOptionsShown() {
    const QuestionRecord* question = QuizData::instance().current.get();
    auto* screen = dynamic_cast<CChoiceLayer*>(QuestionStage::instance().current());
    if (!isTextChoice(question) || question->answers.size() < 4 || screen == nullptr || !onScreen(screen)) return false;
    CCArray* children = screen->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (dynamic_cast<CAddAnswerMenu*>(static_cast<CCObject*>(children->objectAtIndex(i)))) return true;
    }
    return false;
}

template <typename T> T* childOf(CCNode* parent) {
    CCArray* children = parent ? parent->getChildren() : nullptr;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (T* node = dynamic_cast<T*>(static_cast<CCObject*>(children->objectAtIndex(i)))) return node;
    }
    return nullptr;
}

std::deque<std::string>& recentLog() {
    static std::deque<std::string> lines;
    return lines;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "play_bench: %s\n", why.c_str());
    for (const std::string& line : recentLog()) std::fprintf(stderr, "  log: %s\n", line.c_str());
    return 1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int runBench(const std::string& argv0, const std::string& folder) {
    ClientLog::setSink([](const std::string& line) {
        auto& lines = recentLog();
        lines.push_back(line);
        if (lines.size() > 40) lines.pop_front();
    });
    const std::string resources = CommandLine::defaultResources(argv0);
    const fs::path binFolder = fs::path(resources).parent_path() / "bin";
    Server server((binFolder / "brindle-server").string(), folder);
    if (!server.running()) return fail("brindle-server did not start from " + binFolder.string());

    const std::string userDir = folder + "/user";
    fs::create_directories(userDir);
    CCFileUtils::sharedFileUtils()->setResourceRoot(resources);
    CCFileUtils::sharedFileUtils()->setWritablePath(userDir);
    auto platform = std::make_unique<LinuxPlatform>();
    platform->setUserDir(userDir);
    platform->setEntryHost("127.0.0.1");
    platform->setSpawner([](const std::vector<std::string>&) { return true; }); // no browser
    Platform::install(std::move(platform));
    NetManager::instance().setEntryEndpoint("127.0.0.1", server.entryPort());

    // What main() and AppDelegate::applicationDidFinishLaunching do, without the logo scene.
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    if (!view->isOpenGLReady()) return fail("no OpenGL context");
    view->setViewName("Brindle");
    view->setFrameSize(AppDelegate::kDesignWidth, AppDelegate::kDesignHeight);
    CCDirector* director = CCDirector::sharedDirector();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(AppDelegate::kDesignWidth, AppDelegate::kDesignHeight, kResolutionExactFit);
    for (const std::string& path : AppDelegate::searchPaths()) CCFileUtils::sharedFileUtils()->addSearchPath(path.c_str());
    director->setDisplayStats(false);
    director->setAnimationInterval(kFrameInterval);
    SoundManager::installClickSound();
    registerStartScenes();
    registerQuizScenes();
    // The loading screen's work (sheets, network pump, guest login) without its version check and
    // notices: a plain scene stands in for it.
    SceneDirector::instance().registerScene(1, [] { return CCScene::create(); });
    for (const char* sheet : {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"}) {
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    }
    NetManager::installFrameHook();

    GameLoop loop;
    std::mt19937 random(20261209);
    const auto started = Clock::now();
    SceneDirector::instance().showLoading();
    loop.run(0.3);
    UserSession::instance().login("", "", nullptr, nullptr, nullptr);
    if (!loop.until([] { return NetManager::instance().outstanding() == 0 && !UserSession::instance().sessionId().empty(); },
                    20)) {
        return fail("the guest login did not finish");
    }
    // A player with an account (no start-up box in play). The server's walls are a screen of
    // their own between questions, not a question: none are kept, so every transition measured is
    // question to question.
    UserSession::instance().setAccountKind(1);
    UserSession::instance().setRegistered(true);
    GameData::instance().sdkPlats.clear();

    QuizData& quiz = QuizData::instance();
    SceneDirector::instance().showPlay();
    if (!loop.until([&] { return quiz.current != nullptr; }, 15)) return fail("the first question did not come");

    std::vector<double> waits;
    int answered = 0, otherKinds = 0, notDrawn = 0;
    // Other kinds, measured the first time each is met: "g.p" -> frame cost.
    std::map<std::string, FrameCost> kinds;
    auto measureKind = [&] {
        const QuestionRecord* question = quiz.current.get();
        const std::string kind = std::to_string(question->gametype) + "." + std::to_string(question->playtype);
        if (kinds.count(kind) || QuestionStage::instance().current() == nullptr) return;
        // Its pictures or clip come first; the games start moving within a second or two.
        loop.run(1.5);
        kinds[kind] = measureFrames();
    };
    while (answered < kMaxQuestions && secondsSince(started) < kMaxSeconds) {
        if (static_cast<int>(waits.size()) >= kWantedSamples && fourOptionsShown()) break;
        // A moment to read, then the first option (or the time-out answer where there is none).
        loop.run(0.1);
        const QuestionRecord* question = quiz.current.get();
        const int questid = question->questid;
        const std::string answer = question->answers.empty() ? "-1" : question->answers.front();
        CQuestionMission::instance()->submitAnswer(answer, 0, 0, -1);
        answered += 1;
        server.drain();
        CPlayLayer* host = QuestionStage::instance().host();
        if (!loop.until([&] { return childOf<AnswerBox>(host) != nullptr; }, 10)) {
            return fail("no answer box after answering question " + std::to_string(questid));
        }
        // The box scales in for 0.2 s; the player taps once it stands.
        loop.run(0.3);
        AnswerBox* box = childOf<AnswerBox>(host);
        if (box == nullptr) return fail("the answer box went away by itself");
        GameData::instance().sdkPlats.clear();
        CCSprite* next = box->noButton();
        loop.clickAt(next->getParent()->convertToWorldSpace(next->getPosition()), random);
        auto fresh = [&] { return quiz.current != nullptr && quiz.current->questid != questid; };
        if (!loop.until(fresh, 10)) {
            if (childOf<AnswerBox>(host) != nullptr) {
                return fail("the NextQuestion tap was not taken after question " + std::to_string(questid));
            }
            break; // the day's questions ran out ("AnswerOver")
        }
        if (!isTextChoice(quiz.current.get())) {
            otherKinds += 1;
            measureKind();
            continue;
        }
        if (!textChoiceDrawn()) {
            notDrawn += 1;
            continue;
        }
        waits.push_back(secondsSince(loop.clickPosted()) * 1000.0);
    }
    server.drain();
    std::fprintf(stderr,
                 "play_bench: %d questions answered, %zu text-choice transitions measured, %d to other kinds, "
                 "%d not drawn, %.0f s\n",
                 answered, waits.size(), otherKinds, notDrawn, secondsSince(started));
    if (static_cast<int>(waits.size()) < kMinSamples) return fail("too few text-choice transitions");
    if (!fourOptionsShown()) return fail("no four-option question to measure frames on");
    {
        std::vector<double> sorted = waits;
        std::sort(sorted.begin(), sorted.end());
        std::fprintf(stderr, "play_bench: wait ms min %.1f median %.1f p90 %.1f max %.1f\n", sorted.front(),
                     median(sorted), sorted[sorted.size() * 9 / 10], sorted.back());
    }

    const FrameCost play = measureFrames();
    // The menu as a returning player meets it (the first visit's notices and guide are over).
    MainMenuState::instance().takeFirstEntry();
    SceneDirector::instance().showMain();
    loop.run(1.0);
    if (SceneDirector::instance().currentSceneId() != 2) return fail("the main menu did not come");
    const FrameCost menu = measureFrames();

    std::fprintf(g_figures, "BENCH play_next_question_ms %.1f ms\n", median(waits));
    std::fprintf(g_figures, "BENCH play_frame_us %.1f us\n", play.meanMicros);
    std::fprintf(g_figures, "BENCH menu_frame_us %.1f us\n", menu.meanMicros);
    std::fprintf(g_figures, "BENCH play_over_menu %.2f ratio\n", menu.meanMicros > 0 ? play.meanMicros / menu.meanMicros : 0.0);
    std::fprintf(g_figures, "BENCH menu_draw_calls %d calls\n", menu.drawCalls);
    std::fprintf(g_figures, "BENCH play_draw_calls %d calls\n", play.drawCalls);
    double worstFrame = 0;
    int worstCalls = 0;
    for (const auto& [kind, cost] : kinds) {
        std::fprintf(stderr, "play_bench: kind %s frame %.1f us, %d draw calls\n", kind.c_str(), cost.meanMicros,
                     cost.drawCalls);
        worstFrame = std::max(worstFrame, cost.meanMicros);
        worstCalls = std::max(worstCalls, cost.drawCalls);
    }
    std::fprintf(g_figures, "BENCH other_kinds_frame_us %.1f us\n", worstFrame);
    std::fprintf(g_figures, "BENCH other_kinds_draw_calls %d calls\n", worstCalls);
    return 0;
}

} // namespace

int main(int, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/brindle-play-bench.XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (folder == nullptr) {
        std::perror("play_bench: mkdtemp");
        return 1;
    }
    // The client's sockets print a line per connection on standard output; only the figures go there.
    const int figures = dup(1);
    const int quiet = open("/dev/null", O_WRONLY);
    if (figures < 0 || quiet < 0 || dup2(quiet, 1) < 0) {
        std::perror("play_bench: standard output");
        return 1;
    }
    close(quiet);
    g_figures = fdopen(figures, "w");
    const int status = runBench(argv[0], folder);
    std::error_code error;
    fs::remove_all(folder, error);
    std::fflush(stdout);
    std::fflush(g_figures);
    std::fflush(stderr);
    // The server is stopped and the figures are out; the engine's and the network worker's teardown
    // is not what this measures and is skipped.
    _exit(status);
}
