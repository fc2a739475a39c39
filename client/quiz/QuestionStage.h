// Which screen shows a question: one renderer per (game type, play type) pair, registered once,
// and the stage that remembers the hosting scene and the screen now shown, so that a question of
// the same kind as the one before reuses its screen instead of building a new one.
//
// Every renderer's draw is one line naming its screen, for example
//     void CChoiceQuestionRender::draw() { QuestionStage::instance().present<CChoiceLayer>(); }
// The screen needs a static create() returning the screen (a CQuestionLayer) or null.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <functional>
#include <map>
#include <memory>

class CPlayLayer;

class CQuestionRender {
public:
    virtual ~CQuestionRender() = default;
    virtual void draw() = 0;
};

class QuestionStage {
public:
    static QuestionStage& instance();

    // Remembers the pair as the wanted one; null for a pair nobody registered.
    CQuestionRender* lookup(int gameType, int playType);

    void setHost(CPlayLayer* host) { m_host = host; }
    CPlayLayer* host() const { return m_host; }
    // The host leaves: forget host and screen (the engine releases the screen with the host).
    void reset();

    CQuestionLayer* current() const { return m_current; }
    void setAnswered(bool answered);
    // Takes the current screen off the host (the wall screen replaces it).
    void removeCurrent();

    // The draw steps for one screen class: refresh the host's header, then reuse the current screen
    // when the wanted pair is the shown one, else replace it with a new Screen.
    template <class Screen>
    void present() {
        presentScreen([]() -> CQuestionLayer* { return Screen::create(); });
    }

    int shownGameType() const { return m_shownGameType; }
    int shownPlayType() const { return m_shownPlayType; }
    int wantedGameType() const { return m_wantedGameType; }
    int wantedPlayType() const { return m_wantedPlayType; }

private:
    QuestionStage();
    void presentScreen(const std::function<CQuestionLayer*()>& make);
    template <class Render>
    void add(int gameType, int playType);

    // Index 0 is game type 1.
    std::map<int, std::unique_ptr<CQuestionRender>> m_renderers[4];
    CPlayLayer* m_host = nullptr;
    CQuestionLayer* m_current = nullptr;
    int m_shownGameType = -1, m_shownPlayType = -1;
    int m_wantedGameType = -1, m_wantedPlayType = -1;
};

// Game type 1, text.
class CChoiceYNQuestionRender final : public CQuestionRender { public: void draw() override; };
class CSudokuQuestionRender final : public CQuestionRender { public: void draw() override; };
class CHitTxtRender final : public CQuestionRender { public: void draw() override; };
class CTextFindDiffQuestionRender final : public CQuestionRender { public: void draw() override; };
class CSortTxtRender final : public CQuestionRender { public: void draw() override; };
class CChoiceQuestionRender final : public CQuestionRender { public: void draw() override; };
class CChoiceSymbolRender final : public CQuestionRender { public: void draw() override; };
class CEliminateQuestionRender final : public CQuestionRender { public: void draw() override; };
// Game type 2, pictures.
class CPuzzleRender final : public CQuestionRender { public: void draw() override; };
class CPickRender final : public CQuestionRender { public: void draw() override; };
class CRakeCardRender final : public CQuestionRender { public: void draw() override; };
class CGuessGraphRender final : public CQuestionRender { public: void draw() override; };
class CGuessColorRender final : public CQuestionRender { public: void draw() override; };
class CFindGraphRender final : public CQuestionRender { public: void draw() override; };
class CChoiceNumRender final : public CQuestionRender { public: void draw() override; };
class CChooseImageRender final : public CQuestionRender { public: void draw() override; };
class CChoiceSameRender final : public CQuestionRender { public: void draw() override; };
class CImageMoveRender final : public CQuestionRender { public: void draw() override; };
// Game type 3, voice; game type 4, video.
class CVoiceRender final : public CQuestionRender { public: void draw() override; };
class CVoiceFillRender final : public CQuestionRender { public: void draw() override; };
class CVideoRender final : public CQuestionRender { public: void draw() override; };
class CVideoFillRender final : public CQuestionRender { public: void draw() override; };
