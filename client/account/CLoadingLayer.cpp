#include "account/CLoadingLayer.h"

#include "account/CLogoLayer.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;

namespace {

constexpr const char* kEmptyDigest = "D41D8CD98F00B204E9800998ECF8427E";
const char* const kSheets[] = {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"};

std::string text(const char* key) { return LocalText::instance().text(key); }

CCPoint windowCentre() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    return ccp(size.width / 2, size.height / 2);
}

} // namespace

CCScene* CLoadingLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CLoadingLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CLoadingLayer* CLoadingLayer::create() {
    CLoadingLayer* layer = new CLoadingLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CLoadingLayer::Create Error!");
    return nullptr;
}

void CLoadingLayer::onEnter() {
    CCLayer::onEnter();
    NetManager::installFrameHook();
    for (const char* sheet : kSheets) {
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    }
    // Pictures and sounds of an earlier run are stale: start every run with an empty folder.
    const std::string folder = Platform::current().tempFolder();
    if (folder.empty()) {
        ClientLog::write("loading: no temporary folder");
    } else {
        Platform::current().clearFolder(folder);
    }
    scheduleOnce(schedule_selector(CLoadingLayer::start), 0.2f);
}

void CLoadingLayer::start(float) {
    showLoadingAnimation();
    requestVersion();
}

void CLoadingLayer::showLoadingAnimation() {
    if (!getChildByTag(CLogoLayer::kShadeTag)) addChild(CLogoLayer::buildAnimation(2));
    if (!Platform::current().isNetworkAlive() && !getChildByTag(kNoNetBoxTag)) {
        CMyMessageBox* box = CMyMessageBox::create("", text("haveNoNet"), text("sure"), "", "", nullptr, 0, nullptr,
                                                   nullptr, nullptr, nullptr, false);
        if (box) {
            box->setPosition(ccp(480, 320));
            addChild(box, 99, kNoNetBoxTag);
        }
    }
}

void CLoadingLayer::requestVersion() {
    ClientLog::write("loading: version check");
    RequestCatalogue::versionCheck(clientVersion(), {this, net_selector(CLoadingLayer::onVersionAnswer),
                                                     net_selector(CLoadingLayer::showNetDeadBox)});
}

void CLoadingLayer::onVersionAnswer(int code) {
    ClientLog::write("loading: version answer %d", code);
    if (code == 0) {
        autoLogin();
    } else if (code == 1 || code == 2) {
        showVersionBox(code == 1);
    }
    // Any other code: the server has nothing for us; the screen stays as it is.
}

void CLoadingLayer::showVersionBox(bool forced) {
    if (getChildByTag(kVersionBoxTag)) return;
    CMyMessageBox* box = CMyMessageBox::create(
        text("updateVersion"), GameData::instance().upgradeInfo, text("gotoDownLoad"), forced ? "" : text("waitNext"),
        "", this, 0, callfunc_selector(CLoadingLayer::openDownloadPage),
        forced ? nullptr : callfunc_selector(CLoadingLayer::autoLogin), nullptr, nullptr, false);
    if (!box) return;
    box->setPosition(windowCentre());
    addChild(box, 99, kVersionBoxTag);
}

void CLoadingLayer::openDownloadPage() {
    const std::string& url = GameData::instance().upgradeUrl;
    if (!url.empty()) Platform::current().openUrl(url);
}

void CLoadingLayer::autoLogin() {
    UserSession& session = UserSession::instance();
    const std::string storedName = session.storedUserName();
    const std::string storedDigest = session.storedPasswordDigest();
    if (!storedName.empty() && storedDigest != kEmptyDigest) {
        StoredSettings::writeBool(settings::kRememberPassword, true);
    }
    std::string name, digest;
    if (StoredSettings::readBool(settings::kRememberPassword, false) && session.hasStoredUser()) {
        name = storedName;
        digest = storedDigest;
    }
    if (name.empty() || digest.empty()) {
        name.clear();
        digest.clear();
        session.setRegistered(false);
    }
    // The session alone learns the digest: the stored "pwd" stays the typed password, or the next
    // start would digest the digest and be refused.
    ClientLog::write("loading: %s login", name.empty() ? "guest" : "account");
    session.login(name, digest, this, callfuncI_selector(CLoadingLayer::onLoginDone),
                  callfunc_selector(CLoadingLayer::onLoginNetFail));
}

void CLoadingLayer::onLoginDone(int) { requestNotice(0); }

void CLoadingLayer::requestNotice(int act) {
    RequestCatalogue::notice(act, Dim::No, {this, net_selector(CLoadingLayer::onNoticeAnswer),
                                            net_selector(CLoadingLayer::showNetDeadBox)});
}

void CLoadingLayer::onNoticeAnswer(int) {
    removeAllChildren();
    SceneDirector::instance().showMain();
    requestExplains();
}

void CLoadingLayer::requestExplains() {
    RequestCatalogue::explains({this, nullptr, net_selector(CLoadingLayer::showNetDeadBox)});
}

void CLoadingLayer::showNetDeadBox(int status) {
    ClientLog::write("loading: exchange failed (%d)", status);
    if (getChildByTag(kNetDeadBoxTag)) return;
    CMyMessageBox* box = CMyMessageBox::create("", text("theNetIsDie"), text("connectAgain"), text("shutDown"), "",
                                               this, 0, callfunc_selector(CLoadingLayer::requestVersion),
                                               callfunc_selector(CLoadingLayer::closeWindow), nullptr, nullptr, false);
    if (!box) return;
    box->setPosition(windowCentre());
    addChild(box, 99, kNetDeadBoxTag);
}

void CLoadingLayer::closeWindow() { Platform::current().closeGameWindow(); }
