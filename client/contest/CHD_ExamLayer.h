// Scene 29, the exam hall: the day's exam (the weekly and the monthly card both sit it), its rules
// and its ranking. Sitting asks the server for the exam's questions first; only a list it gives
// leads through the face-off into play, a refusal (sat already, closed) is told in words.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CHD_ExamLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CHD_ExamLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    void onSchedule(int code);
    void onQuestionList(int code);
    void onRequestFailed(int status);

    cocos2d::extension::UIWidget* widget(const char* name) const;
    // True from the tap until a refusal: the face-off is on its way or up.
    bool sitting() const { return m_sitting; }

    static constexpr int kFaceOffZ = 10;
    static constexpr int kBoxZ = 100;
    static constexpr int kRulesUiId = 7;

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void sit();
    void askQuestions();
    void refuse(const std::string& tip);

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    bool m_built = false;
    bool m_sitting = false;
    bool m_listAsked = false;
    int m_statusBefore = 0;
};
