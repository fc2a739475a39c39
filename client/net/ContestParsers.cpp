#include "net/ContestParsers.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/ParserSupport.h"
#include "net/RecordReaders.h"
#include "net/RequestCatalogue.h"

using namespace parsers;

namespace {

constexpr int kTeamInfoScene = 26;
constexpr int kContestPlayScene = 22;
constexpr int kLogoScene = 0;
constexpr int kLoadingScene = 1;

// The team screen shows a match about to begin itself, and a player in a contest is not to be
// interrupted (between two rounds of a team match the status comes back to 1); every other
// screen announces it.
bool announcesHere() {
    const int scene = SceneDirector::instance().currentSceneId();
    return scene != kTeamInfoScene && scene != kContestPlayScene;
}

} // namespace

ContestHooks& ContestParsers::hooks() {
    static ContestHooks current;
    return current;
}

void ContestParsers::heartbeat(const Json::Value& v, int*) {
    const int system = JsonRead::intOf(v, "system");
    if (system == 29) {
        if (hooks().contestQuestion) {
            hooks().contestQuestion(v);
        }
        return;
    }
    const int scene = SceneDirector::instance().currentSceneId();
    if ((scene == 22 || scene == 23 || scene == 28) && hooks().contestPush && hooks().contestPush(scene, v)) {
        return;
    }
    // Heartbeats without news carry no status; only a status the server names is news.
    if (!JsonRead::has(v, "teammatchstatus")) {
        return;
    }
    GameData& data = GameData::instance();
    const int status = JsonRead::intOf(v, "teammatchstatus");
    if (status == data.teamMatchStatus) {
        return;
    }
    // A match about to begin that cannot be announced here (start-up screens, whose boxes go with
    // them; contest play, between two rounds) stays news for the first screen that can.
    if (status == 1 && (scene == kLogoScene || scene == kLoadingScene || scene == kContestPlayScene)) {
        return;
    }
    data.teamMatchStatus = status;
    // The server names status 1 only to a member of a team in the coming match, so the player has
    // a team even when no team screen was opened since the login (main menu, contest hall).
    if (status == 1 && announcesHere()) {
        data.teamAnnouncePending = true;
        RequestCatalogue::teamListForAnnouncement();
    }
}

void ContestParsers::matchSchedule(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().matchSchedule = RecordReaders::list(v, "matchact", &RecordReaders::matchSchedule);
    }
}

void ContestParsers::rankCount(const Json::Value& v, int* code) {
    if (oneOrElse(v, code)) {
        ClientLog::write("rank list of %u entries", JsonRead::arrayOf(v, "ranklist").size());
    }
}

void ContestParsers::createTeam(const Json::Value& v, int* code) {
    switch (responseOf(v)) {
    case 1:
        GameData::instance().user.money = JsonRead::intOf(v, "money");
        setCode(code, 0);
        break;
    case 2: setCode(code, 2); break;
    case 3: setCode(code, 3); break;
    case 5: setCode(code, 1); break;
    default: setCode(code, 4); break;
    }
}

void ContestParsers::joinTeam(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response != kOtherResponse) {
        setCode(code, response);
    }
}

void ContestParsers::teamList(const Json::Value& v, int* code) {
    GameData& data = GameData::instance();
    if (!convention(v, code)) {
        data.teamAnnouncePending = false;
        return;
    }
    data.myTeam = RecordReaders::ownTeam(v);
    data.teamList = RecordReaders::list(v, "teaminfo", &RecordReaders::teamInfo);
    if (data.teamAnnouncePending) {
        if (announcesHere() && data.myTeam.myTeamId != 0) {
            RequestCatalogue::ownTeamForAnnouncement(data.myTeam.myTeamId);
        } else {
            data.teamAnnouncePending = false;
        }
    }
}

void ContestParsers::teamInfo(const Json::Value& v, int* code) {
    GameData& data = GameData::instance();
    const bool announcing = data.teamAnnouncePending;
    data.teamAnnouncePending = false;
    if (!convention(v, code)) {
        return;
    }
    data.teamMembers = RecordReaders::list(v, "teammember", &RecordReaders::teamMember);
    data.teamRecord = RecordReaders::teamInfo(JsonRead::member(v, "teaminfo"));
    data.teamPrizes = RecordReaders::list(v, "prizearray", &RecordReaders::prize);
    if (announcing && announcesHere() && hooks().teamMatchAnnounce) {
        hooks().teamMatchAnnounce();
    }
}

void ContestParsers::signUp(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response == 1) {
        setCode(code, 0);
    } else if (response == 0) {
        const int fail = JsonRead::intOf(v, "fail");
        if (fail == 1) setCode(code, 2);
        else if (fail == 3) setCode(code, 3);
    }
}

void ContestParsers::cancelSignUp(const Json::Value& v, int* code) {
    if (!oneOrElse(v, code)) {
        (void)JsonRead::intOf(v, "fail");
    }
}

void ContestParsers::quitTeam(const Json::Value& v, int* code) {
    switch (responseOf(v)) {
    case 1: setCode(code, 0); break;
    case 2: setCode(code, 2); break;
    case 0: setCode(code, 1); break;
    default: break;
    }
}

void ContestParsers::prizeTable(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().prizeTable = RecordReaders::list(v, "prizearray", &RecordReaders::prize);
    }
}

void ContestParsers::teamRank(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().teamRank = RecordReaders::teamRankPage(v);
    }
}

void ContestParsers::contestRank(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response == kOtherResponse) {
        return;
    }
    setCode(code, response);
    if (response == 1) {
        GameData::instance().contestRank = RecordReaders::contestRankPage(v);
    }
}

void ContestParsers::matchPresence(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response == 1 && JsonRead::intOf(v, "act") == 1) {
        GameData& data = GameData::instance();
        data.enableCount = JsonRead::intOf(v, "enablecount");
        data.isKing = JsonRead::intOf(v, "isking");
        setCode(code, 2);
    } else if (response == 1) {
        setCode(code, 1);
    } else {
        setCode(code, 0);
    }
}

void ContestParsers::challenge(const Json::Value& v, int* code) {
    if (responseOf(v) == 1) {
        setCode(code, 1);
        return;
    }
    switch (JsonRead::intOf(v, "act")) {
    case 4: setCode(code, 2); break;
    case 5: setCode(code, 3); break;
    case 6: setCode(code, 4); break;
    default: break;
    }
}
