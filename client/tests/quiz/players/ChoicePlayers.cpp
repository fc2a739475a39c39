// Test players for the option screens: text choice, golden egg, yes or no, the odd character, the
// picture with text options, the scratch card and the picture choices.
#include "quiz/ScreenPlayers.h"

#include "app/LocalText.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CChoiceLayer.h"
#include "quiz/CChoiceYesOrNoLayer.h"
#include "quiz/CChooseImageLayer.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CTextFindDiffLayer.h"
#include "quiz/ChoiceSamelayer.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"
#include "widgets/CMyMessageBox.h"

#include "support/TestSupport.h"

#include "testing/EngineTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

USING_NS_CC;
namespace et = engine::testing;

namespace test_support {

namespace {

template <class T>
T* findBelow(CCNode* root) {
    if (root == nullptr || root->getChildren() == nullptr) return nullptr;
    for (CCObject* child : *root->getChildren()) {
        if (auto* found = dynamic_cast<T*>(child)) return found;
        if (T* deeper = findBelow<T>(static_cast<CCNode*>(child))) return deeper;
    }
    return nullptr;
}

// The option the player picks: the right one, or the first shown option that is not.
int pickIndex(const PlayerTurn& turn, std::size_t shown) {
    const auto& answers = QuizData::instance().current->answers;
    shown = std::min(shown, answers.size());
    for (std::size_t k = 0; k < shown; ++k) {
        if ((answers[k] == turn.right) == turn.win) return static_cast<int>(k);
    }
    return -1;
}

bool chooseOption(const PlayerTurn& turn) {
    if (auto* menu = findBelow<CAddAnswerMenu>(turn.screen)) {
        const int k = pickIndex(turn, CAddAnswerMenu::kOptionCount);
        if (k < 0) return ADD_FAILURE() << "no option to pick", false;
        tapNode(menu->item(k));
        return true;
    }
    if (auto* select = findBelow<COneByOneSelect>(turn.screen)) {
        const int k = pickIndex(turn, QuizData::instance().current->answers.size());
        if (k < 0) return ADD_FAILURE() << "no option to pick", false;
        while (select->currentIndex() < k) {
            tapNode(select->nextButton());
            turn.wait(1.1f);
        }
        tapNode(select->optionItem());
        return true;
    }
    return ADD_FAILURE() << "no option widget on " << et::className(turn.screen), false;
}

bool playGoldenEgg(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CChoiceLayer*>(turn.screen);
    if (screen == nullptr) return ADD_FAILURE() << "not the choice screen", false;
    if (screen->getChildByTag(CChoiceLayer::kEggMenuTag) != nullptr) {
        tapNode(screen->egg(0));
        turn.wait(1.6f);
        auto* box = dynamic_cast<CMyMessageBox*>(screen->getChildByTag(CChoiceLayer::kEggBoxTag));
        if (box == nullptr) return ADD_FAILURE() << "the egg's box never came", false;
        const CCPoint sure = box->convertToWorldSpace(box->button(2)->getPosition());
        et::tap(sure.x, sure.y);
    }
    return chooseOption(turn);
}

bool playYesOrNo(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CChoiceYesOrNoLayer*>(turn.screen);
    if (screen == nullptr) return ADD_FAILURE() << "not the yes-or-no screen", false;
    const bool yesIsRight = turn.right == LocalText::instance().text("isYes");
    tapNode(screen->button(yesIsRight == turn.win ? 0 : 1));
    return true;
}

bool playOddCharacter(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CTextFindDiffLayer*>(turn.screen);
    if (screen == nullptr) return ADD_FAILURE() << "not the odd-character screen", false;
    for (int i = 0; i < CTextFindDiffLayer::kColumns * CTextFindDiffLayer::kRows; ++i) {
        if ((screen->cell(i)->getString() == turn.right) == turn.win) {
            tapNode(screen->cell(i));
            return true;
        }
    }
    return ADD_FAILURE() << "no cell to tap", false;
}

// The picture choices send the letter of the tapped picture.
bool tapPicture(const PlayerTurn& turn, const std::vector<CImageView*>& pictures) {
    const int right = turn.right.empty() ? -1 : turn.right[0] - 'A';
    for (int k = 0; k < static_cast<int>(pictures.size()); ++k) {
        if ((k == right) == turn.win) {
            tapNode(pictures[k]);
            return true;
        }
    }
    return ADD_FAILURE() << "no picture to tap", false;
}

bool playChooseImage(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CChooseImageLayer*>(turn.screen);
    if (screen == nullptr) return ADD_FAILURE() << "not the picture choice screen", false;
    return tapPicture(turn, screen->pictures());
}

bool playSamePicture(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<ChoiceSamelayer*>(turn.screen);
    if (screen == nullptr) return ADD_FAILURE() << "not the same-picture screen", false;
    return tapPicture(turn, screen->pictures());
}

const bool added = [] {
    for (int p : {7, 8, 9, 10, 11}) addScreenPlayer(1, p, chooseOption);
    addScreenPlayer(1, 15, playGoldenEgg);
    addScreenPlayer(1, 1, playYesOrNo);
    addScreenPlayer(1, 4, playOddCharacter);
    addScreenPlayer(2, 7, chooseOption);
    addScreenPlayer(2, 13, chooseOption);
    addScreenPlayer(2, 8, playChooseImage);
    addScreenPlayer(2, 9, playChooseImage);
    addScreenPlayer(2, 12, playSamePicture);
    return true;
}();

} // namespace

} // namespace test_support
