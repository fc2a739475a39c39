// Pick the pieces (picture play type 2): the picture's top left 3 by 3 block is shown faintly with
// nine empty slots over it, and all sixteen pieces of the picture lie shuffled beside it. A piece
// that belongs in a slot flies into it; any other piece costs six seconds. When every slot is
// filled the slots' labels go to the server.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <string>
#include <vector>

class CPickLayer : public CPictureQuestionLayer {
public:
    struct Piece {
        cocos2d::CCSprite* sprite = nullptr;
        std::string label;
        bool taken = false;
    };
    struct Slot {
        cocos2d::CCSprite* sprite = nullptr;
        std::string label;
        bool filled = false;
    };

    static CPickLayer* create();
    ~CPickLayer() override;
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // In place order: pieces()[i] lies at placeOf(i).
    const std::vector<Piece>& pieces() const { return m_pieces; }
    const std::vector<Slot>& slots() const { return m_slots; }
    cocos2d::CCSprite* target() const { return m_target; }
    static cocos2d::CCPoint placeOf(int i);
    static cocos2d::CCPoint slotCentre(int i);
    bool isSubmitted() const { return m_submitted; }

    static constexpr int kPieces = 16;
    static constexpr int kSlots = 9;
    static constexpr float kFlySeconds = 0.5f;

private:
    void onPreviewLoaded(const std::string& mediaName);
    void onPreviewFailed(const std::string& mediaName);
    void buildBoard(const std::string& path);
    void clearBoard();
    void pick(std::size_t piece);

    std::string m_img;
    std::vector<Piece> m_pieces;
    std::vector<Slot> m_slots;
    cocos2d::CCSprite* m_target = nullptr;
    cocos2d::CCTexture2D* m_picture = nullptr;
    bool m_submitted = false;
};
