#include "net/QuizParsers.h"

#include "app/ClientLog.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/ParserSupport.h"
#include "net/RecordReaders.h"
#include "quiz/QuizData.h"

#include <memory>

using namespace parsers;

namespace {

int i(const Json::Value& v, const char* key) { return JsonRead::intOf(v, key); }
std::string t(const Json::Value& v, const char* key) { return JsonRead::textOf(v, key); }

ImageQuestion readImage(const Json::Value& v, int playtype) {
    ImageQuestion image;
    image.right = t(v, "right");
    image.img = t(v, "img");
    image.answerlength = i(v, "answerlength");
    if (playtype == 6 || playtype == 10) {
        for (const Json::Value& item : JsonRead::arrayOf(v, "answer")) {
            image.rects.push_back({JsonRead::realOf(item, "x1"), JsonRead::realOf(item, "x2"),
                                   JsonRead::realOf(item, "y1"), JsonRead::realOf(item, "y2")});
        }
    }
    if (playtype == 13) {
        image.awardtype = i(v, "awardtype");
        image.awardnum = i(v, "awardnum");
        ClientLog::write("awardtype = %d,awardnum =%d", image.awardtype, image.awardnum);
    }
    return image;
}

} // namespace

void QuizParsers::sdkPlats(const Json::Value& v, int* code) {
    if (responseOf(v) != 1) {
        setCode(code, 1);
        return;
    }
    GameData::instance().sdkPlats = RecordReaders::list(v, "sdkplat", &RecordReaders::sdkPlat);
}

void QuizParsers::unused(const Json::Value& v, int*) { (void)responseOf(v); }

void QuizParsers::questionIdList(const Json::Value& v, int* code) {
    QuizData& quiz = QuizData::instance();
    quiz.qsidQueue.clear();
    quiz.secondList.clear();
    for (const Json::Value& item : JsonRead::arrayOf(v, "idlist")) {
        const int id = JsonRead::toInt(item, "idlist");
        ClientLog::write(" MsgResponseQuestionList %d", id);
        quiz.qsidQueue.push_back(id);
    }
    const bool contestList = i(v, "system") == 48;
    if (contestList && responseOf(v) != 1) {
        // A refused contest list (not in the match, exam sat or closed): the screen says why.
        GameData::instance().questionListTip = t(v, "tip");
        setCode(code, 1);
        return;
    }
    if (contestList) {
        GameData::instance().questionListTip.clear();
        GameData::instance().teamMatchStatus = 1;
    }
    setCode(code, 0);
}

void QuizParsers::question(const Json::Value& v, int* code) {
    const int gametype = i(v, "gametype");
    const int playtype = i(v, "playtype");
    const int seltype = i(v, "seltype");
    auto record = std::make_unique<QuestionRecord>();
    switch (gametype) {
    case 1: {
        ChoiceQuestion choice;
        choice.right = t(v, "right");
        choice.seltype = seltype;
        choice.multiple = playtype == 15 ? i(v, "multiple") : 0;
        record->details = choice;
        break;
    }
    case 2:
        record->details = readImage(v, playtype);
        break;
    case 3:
    case 4: {
        MediaQuestion media;
        media.answerlength = i(v, "answerlength");
        media.seltype = seltype;
        media.media = t(v, gametype == 3 ? "music" : "video");
        record->details = media;
        break;
    }
    default:
        ClientLog::write("question answer has game type %d; no question made", gametype);
        setCode(code, 1);
        return;
    }
    record->questid = i(v, "questid");
    record->prizemoney = i(v, "prizemoney");
    record->gametype = gametype;
    record->playtype = playtype;
    record->seltype = seltype;
    record->question = t(v, "question");
    record->explain = t(v, "explain");
    // Single-player questions never carry it; a contest question without it is answerable.
    record->flag = JsonRead::has(v, "flag") ? i(v, "flag") : 1;
    const bool areaAnswers = gametype == 2 && (playtype == 6 || playtype == 10);
    if (!areaAnswers) {
        for (const Json::Value& item : JsonRead::arrayOf(v, "answer")) {
            record->answers.push_back(JsonRead::toText(item, "answer"));
        }
    }
    for (const Json::Value& jump : JsonRead::arrayOf(v, "jump")) {
        record->jumpUrls.push_back(t(jump, "url"));
        record->jumpNames.push_back(t(jump, "name"));
    }
    QuizData::instance().questionQueue.push_back(std::move(record));
    setCode(code, 0);
}

void QuizParsers::answerResult(const Json::Value& v, int* code) {
    auto result = std::make_unique<AnswerResult>();
    result->addscore = i(v, "addscore");
    result->addmoney = i(v, "addmoney");
    const int awardtype = i(v, "awardtype");
    const int awardnum = i(v, "awardnum");
    if (awardtype == 1) {
        result->awardScore = awardnum;
    } else if (awardtype == 2) {
        result->awardMoney = awardnum;
    }
    ClientLog::write("_awardMoney = %d, _awardScore = %d , addscore = %d, addmoney = %d", result->awardMoney,
                     result->awardScore, result->addscore, result->addmoney);
    result->explain = t(v, "explain");
    result->adicon = t(v, "adicon");
    result->adname = t(v, "adname");
    result->adinfo = t(v, "adinfo");
    result->adurl = t(v, "adurl");
    result->apkname = t(v, "apkname");
    result->answer = t(v, "answer");
    QuizData::instance().lastResult = std::move(result);

    UserInfo& user = GameData::instance().user;
    user.score = i(v, "score");
    user.money = i(v, "money");
    user.level = i(v, "level");
    user.levelUpScore = i(v, "levelupscore");
    user.answerCount = i(v, "answercount");

    // The verdict is a word: "success", "fail", "nostart"; anything else is status 3.
    const Json::Value& response = JsonRead::member(v, "response");
    const std::string word = response.isString() ? response.asString() : std::string();
    int status = 3;
    if (word == "success") status = 0;
    else if (word == "fail") status = 1;
    else if (word == "nostart") status = 2;
    setCode(code, status);
}

void QuizParsers::adTouch(const Json::Value& v, int* code) {
    // Stored whatever the outcome: the report answer names the row to mark as reported.
    GameData::instance().wallEntry = {i(v, "qsid"), i(v, "qstype")};
    if (responseOf(v) == 1) {
        setCode(code, 0);
    }
}
