#include "quiz/QuestionView.h"

namespace server::quiz {

Json::Value QuestionView::forClient(const BankEntry& entry)
{
    Json::Value out = entry.body;
    out.removeMember("qsid");
    // The explanation usually names the answer; it comes with the verdict instead.
    out.removeMember("explain");
    // The advertisement belongs to the answer box, after the verdict.
    out.removeMember("ad");
    if (!screenReadsRight(entry.gameType, entry.playType))
        out.removeMember("right");
    out["questid"] = entry.qsid;
    for (const char* key : {"seltype", "prizemoney"})
        if (!out.isMember(key))
            out[key] = 0;
    if (!out.isMember("answer"))
        out["answer"] = Json::Value(Json::arrayValue);
    return out;
}

Json::Value QuestionView::withoutKey(const BankEntry& entry)
{
    Json::Value out = forClient(entry);
    out.removeMember("right");
    return out;
}

} // namespace server::quiz
