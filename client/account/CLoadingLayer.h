// Scene 1: loads the shared sheets, empties the temporary folder, checks the version, logs in
// (remembered account or guest), fetches the notices and moves on to the main menu.
#pragma once

#include "cocos2d.h"

class CLoadingLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CLoadingLayer* create();
    bool init() override { return true; }
    void onEnter() override;

    void showLoadingAnimation();
    void requestVersion();
    void onVersionAnswer(int code);
    void autoLogin();
    void onLoginDone(int code);
    void requestNotice(int act);
    void onNoticeAnswer(int code);
    void requestExplains();
    // The status handler of every request here.
    void showNetDeadBox(int status);
    void openDownloadPage();
    void closeWindow();

    static constexpr int kNoNetBoxTag = 1003;
    // One "theNetIsDie" box at a time, however many exchanges fail behind it.
    static constexpr int kNetDeadBoxTag = 1004;
    static constexpr int kVersionBoxTag = 1005;

private:
    void start(float dt);
    void onLoginNetFail() { showNetDeadBox(-1); }
    void showVersionBox(bool forced);
};
