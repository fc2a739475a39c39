// Shared by the quiz tests: the game's own layouts, fonts and pictures on the search path, texts
// for every key play shows, the play scene entered as scene 3, a stand-in question screen, and a
// real brindle-server with a logged-in player for the tests that talk to it.
#pragma once

#include "account/ServerProcess.h"
#include "quiz/CQuestionLayer.h"
#include "support/NetTestSupport.h"

#include <memory>
#include <string>
#include <vector>

class CPlayLayer;

namespace test_support {

// A question screen for the stage: counts what the stage and the mission ask of it.
class StubScreen : public CQuestionLayer {
public:
    static StubScreen* create();
    void showQuestion() override { shown += 1; }
    int shown = 0;
    static int s_created;
};
class OtherStubScreen : public StubScreen {
public:
    static OtherStubScreen* create();
};

class PlayTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after the engine reset, before any picture is loaded (render tests call useOpenGL() here).
    virtual void beforePictures() {}

    // A registered player (no start-up box): the play scene starts the run as it enters.
    CPlayLayer* enterPlay();
    CPlayLayer* playLayer() const;
    // Puts the stand-in screen on the stage for the current question, as a renderer would.
    StubScreen* showStubQuestion(int qsid, int gameType = 1, int playType = 7);

    // The real server, and a guest logged in through the whole login chain.
    bool startServerAndLogIn();
    // Request lines of the server log with this type ("type 3 (answer)") and, when given, this qsid.
    int serverRequests(const std::string& type, int qsid = -1);
    int effectCount(const std::string& file);

    std::unique_ptr<ServerProcess> m_server;
};

} // namespace test_support
