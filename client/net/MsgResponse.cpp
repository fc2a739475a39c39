#include "net/MsgResponse.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetNotices.h"
#include "net/NetTypes.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;

namespace {

constexpr int kUserInfoScene = 13;
constexpr int kTeamInfoRoleOwnTeam = 4;

} // namespace

MsgResponse& MsgResponse::instance() {
    static MsgResponse* response = new MsgResponse;
    return *response;
}

MsgResponse::MsgResponse() {
    ContestParsers::hooks().teamMatchAnnounce = [] { MsgResponse::instance().announceTeamMatch(); };
}

bool MsgResponse::OnResPonse(const std::string& text, int requestType, int* code) {
    if (requestType == kMediaRequestType) {
        return true;
    }
    Json::Value answer;
    std::string errors;
    if (!JsonRead::parse(text, answer, &errors)) {
        ClientLog::write("MsgResponse::OnResPonse json error!");
        return false;
    }
    const parsers::Parser parser = parserFor(requestType);
    if (parser == nullptr) {
        ClientLog::write("MsgResponse: request type %d has no parser", requestType);
        return false;
    }
    if (!answer.isObject()) {
        ClientLog::write("MsgResponse::OnResPonse json error! (answer to request type %d is no object)",
                         requestType);
        return false;
    }
    if (JsonRead::intOf(answer, "system") == 1 && handleSessionNotice(answer)) {
        return true;
    }
    parser(answer, code);
    return true;
}

// True when the notice replaces the parser.
bool MsgResponse::handleSessionNotice(const Json::Value& answer) {
    const int response = parsers::responseOf(answer);
    UserSession& session = UserSession::instance();
    if (response == 2) {
        if (session.accountKind() == 2) {
            session.login("", "", this, callfuncI_selector(MsgResponse::onReloginDone),
                          callfunc_selector(MsgResponse::onReloginFailed));
            return false;
        }
        if (StoredSettings::readBool(settings::kRememberPassword, false)) {
            const std::string name = session.storedUserName();
            if (name.empty()) {
                session.setRegistered(false);
                session.login("", "", this, callfuncI_selector(MsgResponse::onReloginDone),
                              callfunc_selector(MsgResponse::onReloginFailed));
            } else {
                session.login(name, session.storedPasswordDigest(), this,
                              callfuncI_selector(MsgResponse::onReloginDone),
                              callfunc_selector(MsgResponse::onReloginFailed));
            }
            return false;
        }
        if (SceneDirector::instance().currentSceneId() != kUserInfoScene) {
            showSessionBox("timeOut");
        }
        return true;
    }
    if (response == 3) {
        StoredSettings::writeBool(settings::kRememberPassword, false);
        showSessionBox("loginRisk");
        return true;
    }
    return false;
}

void MsgResponse::showSessionBox(const char* key) {
    UserSession::instance().setAccountKind(0);
    CCNode* scene = SceneDirector::instance().currentScene();
    if (scene == nullptr) {
        ClientLog::write("session notice %s with no scene to show it on", key);
        return;
    }
    // A second notice clears the first instead of stacking.
    if (CCNode* existing = scene->getChildByTag(kSessionBoxTag)) {
        scene->removeChild(existing, true);
        return;
    }
    LocalText& text = LocalText::instance();
    CMyMessageBox* box = CMyMessageBox::create(text.text("tips"), text.text(key), text.text("sure"), "",
                                               text.text("cancel"), this, 0,
                                               callfunc_selector(MsgResponse::onSessionSure), nullptr,
                                               callfunc_selector(MsgResponse::onSessionCancel), nullptr, false);
    if (box == nullptr) {
        return;
    }
    box->setTouchPriority(1);
    box->setPosition(NetNotices::windowCentre());
    scene->addChild(box, 1, kSessionBoxTag);
}

void MsgResponse::onSessionSure() { SceneDirector::instance().showUserInfo(); }

void MsgResponse::onSessionCancel() {}

void MsgResponse::onReloginDone(int) { SceneDirector::instance().showMain(); }

void MsgResponse::onReloginFailed() {}

void MsgResponse::announceTeamMatch() {
    CCNode* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr) {
        scene = SceneDirector::instance().currentScene();
    }
    if (scene == nullptr) {
        return;
    }
    LocalText& text = LocalText::instance();
    CMyMessageBox* box = CMyMessageBox::create(text.text("tips"), text.text("gameWillBegin"), text.text("sure"), "",
                                               text.text("cancel"), this, 0,
                                               callfunc_selector(MsgResponse::onTeamMatchSure), nullptr, nullptr,
                                               nullptr, false);
    if (box) {
        box->setPosition(NetNotices::windowCentre());
        scene->addChild(box, kNetworkBoxZ);
    }
}

void MsgResponse::onTeamMatchSure() {
    const GameData& data = GameData::instance();
    const OwnTeamSummary& own = data.myTeam;
    // The team answer that raised the box is the freshest record of the team; the list header
    // stands in only if it is missing.
    if (data.teamRecord.teamId != 0 && data.teamRecord.teamId == own.myTeamId) {
        SceneDirector::instance().showTeamInfo(data.teamRecord, kTeamInfoRoleOwnTeam);
        return;
    }
    TeamInfo team;
    team.teamId = own.myTeamId;
    team.teamName = own.myTeamName;
    team.creater = own.myCreater;
    team.score = own.myScore;
    team.level = own.myLevel;
    team.teamMatchStatus = own.myTeamMatchStatus;
    SceneDirector::instance().showTeamInfo(team, kTeamInfoRoleOwnTeam);
}
