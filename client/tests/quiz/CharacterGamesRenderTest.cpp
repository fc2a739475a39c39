// The five character games drawn for real (offscreen OpenGL) in the middle of play, with pixels
// probed where cells must show. With BRINDLE_SHOT_DIR set every frame is saved there as a PNG.
#include "quiz/QuizScreenSupport.h"

#include "quiz/CChoiceSymbolLayer.h"
#include "quiz/CEliminateLayer.h"
#include "quiz/CHitTxtLayer.h"
#include "quiz/CSortTxtLayer.h"
#include "quiz/CSudokuLayer.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include "platform/CCEGLView.h"
#include "platform/CCImage.h"
#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <filesystem>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

struct Frame {
    std::vector<unsigned char> rgba;
    ccColor3B at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4;
        return ccColor3B{rgba[i], rgba[i + 1], rgba[i + 2]};
    }
    bool differs(int x, int y, const Frame& other) const {
        const ccColor3B a = at(x, y), b = other.at(x, y);
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 30;
    }
};

void tapNode(CCNode* node) {
    const CCPoint at = node->getParent()->convertToWorldSpace(node->getPosition());
    et::tap(at.x, at.y);
}

class CharacterGamesRenderTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        if (!SDL_getenv("SDL_VIDEODRIVER")) SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
        CCEGLView* view = CCEGLView::sharedOpenGLView();
        if (!view->isOpenGLReady()) GTEST_SKIP() << "no GL context here";
        m_renderer = view->renderer();
        Renderer::setCurrent(m_renderer);
        CCDirector::sharedDirector()->setOpenGLView(view);
        // Pictures loaded before the context have no GL texture: load them again.
        CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFrames();
        CCTextureCache::sharedTextureCache()->removeAllTextures();
        for (const char* sheet : {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"}) {
            CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
        }
        enterPlay();
        m_empty = shot("");
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        QuizScreenTest::TearDown();
    }
    template <class Screen>
    Screen* show(int playType, const std::string& question, std::vector<std::string> answers, const std::string& right) {
        QuestionRecord& record = setQuestion(1, playType, std::move(answers));
        record.question = question;
        std::get<ChoiceQuestion>(record.details).right = right;
        return dynamic_cast<Screen*>(draw());
    }
    Frame shot(const std::string& name) {
        Frame f;
        m_renderer->setDesignSize(960, 640);
        m_renderer->beginFrame(CCDirector::sharedDirector()->getProjectionMatrix(), 960, 640, ccColor4F{0, 0, 0, 1});
        CCDirector::sharedDirector()->getRunningScene()->visit();
        m_renderer->endFrame();
        m_renderer->readPixels(0, 0, 960, 640, f.rgba);
        const char* folder = std::getenv("BRINDLE_SHOT_DIR");
        if (folder && !name.empty()) {
            std::filesystem::create_directories(folder);
            CCImage image;
            image.initWithRawRGBA(f.rgba.data(), 960, 640, true);
            image.saveToFile((std::string(folder) + "/" + name + ".png").c_str(), false);
        }
        return f;
    }
    // A cell's tile shows where the empty play scene showed its background.
    void expectCell(const Frame& frame, CCNode* cell) {
        const CCPoint at = cell->getParent()->convertToWorldSpace(cell->getPosition());
        EXPECT_TRUE(frame.differs(static_cast<int>(at.x) - 30, static_cast<int>(at.y) - 30, m_empty))
            << "no tile at " << at.x << "," << at.y;
    }
    GLRenderer* m_renderer = nullptr;
    Frame m_empty;
};

TEST_F(CharacterGamesRenderTest, FiveGamesInMidPlay) {
    auto* board = show<CSudokuLayer>(2, "一;一意三心二;四面八;五;四海七上;下十全十;千;万水百花齐;",
                                     {"小西人放红土八心春天方日白意山风上湖花金秋美中大"}, "心意方湖八美山放");
    ASSERT_NE(board, nullptr);
    tapNode(board->candidate(7)); // 心 into the first blank
    et::stepSeconds(0.6f);
    tapNode(board->candidate(13)); // 意 on its way to the next
    et::stepSeconds(0.25f);
    Frame sudoku = shot("char_sudoku");
    expectCell(sudoku, board->gridCell(0));
    expectCell(sudoku, board->gridCell(31));
    expectCell(sudoku, board->candidate(23));
    et::stepSeconds(0.3f);

    auto* marks = show<CChoiceSymbolLayer>(13, "春天来了;小草绿了;花儿开了;", {"，", "。", "？", "、"},
                                           "春天来了，小草绿了，花儿开了。");
    ASSERT_NE(marks, nullptr);
    tapNode(marks->candidates()[0]);
    et::stepSeconds(0.6f);
    tapNode(marks->candidates()[0]);
    et::stepSeconds(0.3f);
    Frame punctuation = shot("char_punctuation");
    expectCell(punctuation, marks->cells()[0]);
    expectCell(punctuation, marks->cells()[14]);
    expectCell(punctuation, marks->candidates()[3]);
    et::stepSeconds(0.3f);

    auto* hit = show<CHitTxtLayer>(3, "春眠不觉晓", {"晓春夏雪冬不眠雨觉"}, "春眠不觉晓");
    ASSERT_NE(hit, nullptr);
    et::stepSeconds(2);
    shot("char_hit_sentence");
    et::stepSeconds(CHitTxtLayer::kIntroSeconds - 2 + 2);
    for (std::size_t i = 0; i < hit->items().size(); ++i) {
        for (CTxtCell* target : hit->targets()) {
            if (hit->isItemShown(static_cast<int>(i)) && !target->isTextShown() &&
                target->text() == hit->items()[i]->text()) {
                tapNode(hit->items()[i]);
            }
        }
    }
    et::stepSeconds(1);
    Frame falling = shot("char_hit");
    for (CTxtCell* target : hit->targets()) expectCell(falling, target);

    auto* sort = show<CSortTxtLayer>(6, "千里之行始于足下", {"千里之行始于足下"}, "千里之行始于足下");
    ASSERT_NE(sort, nullptr);
    tapNode(sort->cells()[1]);
    tapNode(sort->cells()[5]);
    et::stepSeconds(0.2f);
    Frame sorting = shot("char_sort");
    expectCell(sorting, sort->cells()[0]);
    expectCell(sorting, sort->cells()[7]);
    et::stepSeconds(0.4f);

    auto* row = show<CEliminateLayer>(14, "消去多余的字，留下一个成语", {"一马心当一先意"}, "1010101");
    ASSERT_NE(row, nullptr);
    tapNode(row->getChildByTag(1001));
    et::touchBegan(row->cells()[2]->getPositionX(), row->cells()[2]->getPositionY());
    Frame eliminate = shot("char_eliminate");
    for (CTxtCell* cell : row->cells()) expectCell(eliminate, cell);
    et::touchCancelled(0, 0);
}

} // namespace
