// The base of every question screen. The stage builds a screen, adds it to the host and calls
// showQuestion; a screen reused for the next question of the same kind gets showQuestion again.
// The answered lock is set by the mission when the verdict arrives and cleared before the next
// question is drawn; screens ignore the player's touches while it is set.
//
// The virtual operations below come in this order after those of CCLayer, and derived screens
// (choice, board, media, contest) rely on it: showQuestion, setAnswered, isAnswered.
#pragma once

#include "cocos2d.h"

class CQuestionLayer : public cocos2d::CCLayer {
public:
    // Fill the screen from QuizData's current question.
    virtual void showQuestion() = 0;
    virtual void setAnswered(bool answered) { m_answered = answered; }
    virtual bool isAnswered() { return m_answered; }

private:
    bool m_answered = false;
};

// Hit test for centred sprites: the point lies within half the content size around the node's
// position, bounds included. Positions and sizes are truncated to integers before halving, so a
// screen's touch boxes match the whole-pixel boxes players see.
bool isInside(cocos2d::CCNode* node, const cocos2d::CCPoint& point);
