// The picture puzzle (picture play type 1): the picture cut into a 3 by 3 board of shuffled
// pieces; the player swaps two pieces at a time until every piece sits on its own square, and the
// nine labels at the start of the question text go to the server.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <string>
#include <vector>

class CPuzzleLayer : public CPictureQuestionLayer {
public:
    struct Piece {
        cocos2d::CCSprite* sprite = nullptr;
        char label = 0;
    };

    static CPuzzleLayer* create();
    ~CPuzzleLayer() override;
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // In board order: pieces()[i] stands on square i once no swap is running.
    const std::vector<Piece>& pieces() const { return m_pieces; }
    const std::string& slots() const { return m_slots; }
    // The square's centre on the board.
    static cocos2d::CCPoint squareCentre(int square);
    int selected() const { return m_selected; }
    bool isBusy() const { return m_busy; }
    bool isSolved() const { return m_solved; }
    CImageView* preview() const { return m_preview; }

    static constexpr int kSquares = 9;
    static constexpr float kBoardSide = 400;
    static constexpr float kSwapSeconds = 0.5f;

private:
    void onPreviewLoaded(const std::string& mediaName);
    void onPreviewFailed(const std::string& mediaName);
    void buildBoard(const std::string& path);
    void clearBoard();
    void layout();
    // The first piece whose 133-point box holds the point, or -1.
    int pieceAt(const cocos2d::CCPoint& point) const;
    void swapWith(int other);
    void swapDone();
    bool isInOrder() const;
    void checkSolved();

    std::string m_img;
    std::string m_slots;
    std::vector<Piece> m_pieces;
    cocos2d::CCTexture2D* m_picture = nullptr;
    CImageView* m_preview = nullptr;
    int m_selected = -1;
    int m_swapping = -1;
    bool m_busy = false;
    bool m_solved = false;
};
