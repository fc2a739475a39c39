#include "quiz/PlayTypeRules.h"

#include "quiz/BankRules.h"
#include "quiz/Utf8Text.h"

#include <algorithm>
#include <map>
#include <set>

namespace server::quiz {

namespace {

using Problems = std::vector<std::string>;

struct Line {
    const Json::Value& body;
    std::vector<std::string> answers; // texts only; rect objects are checked on their own
    std::string question;
    std::string right;
    Problems& problems;

    void fail(const std::string& message) { problems.push_back(message); }
};

// Each character of `want` must be found among the candidate cells; a cell can be used once.
bool drawableFrom(const std::string& want, const std::string& candidates)
{
    std::map<std::string, int> pool;
    for (const auto& c : Utf8Text::characters(candidates))
        ++pool[c];
    for (const auto& c : Utf8Text::characters(want))
        if (--pool[c] < 0)
            return false;
    return true;
}

void needMedia(Line& l, const char* key, const char* ext)
{
    const auto name = l.body[key].asString();
    if (!l.body.isMember(key))
        l.fail(std::string("\"") + key + "\" (the media file) is missing");
    else if (!BankRules::isMediaName(name) || name.substr(name.size() - 3) != ext)
        l.fail(std::string("\"") + key + "\" must name a ." + ext + " file: " + name);
}

void needOptions(Line& l, std::size_t low, std::size_t high)
{
    if (l.answers.size() < low || l.answers.size() > high)
        l.fail("needs " + std::to_string(low) + " to " + std::to_string(high) + " answers");
    if (std::set<std::string>(l.answers.begin(), l.answers.end()).size() != l.answers.size())
        l.fail("two answers are the same");
    if (std::find(l.answers.begin(), l.answers.end(), l.right) == l.answers.end())
        l.fail("\"right\" is none of the answers");
    const int sel = l.body["seltype"].asInt();
    if (sel != 0 && sel != 1)
        l.fail("\"seltype\" must be 0 (all options) or 1 (one by one)");
}

void needRight(Line& l, const std::string& expected, const char* why)
{
    if (l.right != expected)
        l.fail(std::string("\"right\" must be ") + why + " (\"" + expected + "\")");
}

// The answer cells: candidates in answer 0, answerlength cells, right composed from candidates.
void needCells(Line& l)
{
    if (l.answers.size() != 1) {
        l.fail("needs exactly one answer: the candidate characters");
        return;
    }
    const auto& pool = l.answers[0];
    if (Utf8Text::length(pool) != PlayTypeRules::kCandidateCells)
        l.fail("the candidates must be 24 characters, found " + std::to_string(Utf8Text::length(pool)));
    if (l.body["answerlength"].asUInt() != Utf8Text::length(l.right))
        l.fail("\"answerlength\" must be the length of \"right\"");
    if (!drawableFrom(l.right, pool))
        l.fail("\"right\" cannot be spelt from the candidates");
}

void needMediaOptions(Line& l, std::size_t count)
{
    if (l.answers.size() != count)
        l.fail("needs " + std::to_string(count) + " answer pictures");
    for (const auto& a : l.answers)
        if (!BankRules::isMediaName(a) || a.substr(a.size() - 3) != "png")
            l.fail("answer \"" + a + "\" must name a .png file");
    if (std::set<std::string>(l.answers.begin(), l.answers.end()).size() != l.answers.size())
        l.fail("two answer pictures are the same");
}

void needLetter(Line& l, std::size_t options)
{
    const std::string letters = std::string("ABCD").substr(0, options);
    if (l.right.size() != 1 || letters.find(l.right[0]) == std::string::npos)
        l.fail("\"right\" must be one of the letters " + letters);
}

void textRules(Line& l, int p)
{
    const auto q = Utf8Text::characters(l.question);
    switch (p) {
    case 1:
        if (l.right != "对" && l.right != "错")
            l.fail("\"right\" must be the yes or no label: 对 or 错");
        break;
    case 2: {
        if (q.size() != PlayTypeRules::kSudokuCells)
            l.fail("the board must be 32 characters, found " + std::to_string(q.size()));
        const auto fill = Utf8Text::characters(l.right);
        std::size_t count = std::count(q.begin(), q.end(), ";");
        if (count == 0)
            l.fail("the board has no blank (\";\")");
        if (fill.size() != count)
            l.fail("\"right\" must hold one character per blank (" + std::to_string(count) + ")");
        for (const auto& c : fill)
            if (c.size() != 3)
                l.fail("\"right\" must hold Chinese characters only");
        if (l.answers.size() != 1 || Utf8Text::length(l.answers[0]) != PlayTypeRules::kCandidateCells)
            l.fail("needs one answer of exactly 24 candidate characters");
        else if (!drawableFrom(l.right, l.answers[0]))
            l.fail("\"right\" cannot be filled from the candidates");
        break;
    }
    case 3:
        needRight(l, l.question, "the question text, which the screen sends when every character is caught");
        if (l.answers.size() != 1)
            l.fail("needs exactly one answer: the falling characters");
        else if (!drawableFrom(l.question, l.answers[0]))
            l.fail("the falling characters must hold every character of the question");
        else if (Utf8Text::length(l.answers[0]) > 20)
            l.fail("at most 20 falling characters: later ones come into sight only as the clock runs out");
        // The target row is centred on its byte length; past 12 characters its ends leave the window.
        if (q.size() > 12)
            l.fail("the question must fit one row of 12 targets on screen");
        break;
    case 4:
        if (l.answers.size() != 1)
            l.fail("needs exactly one answer: the odd one out");
        else if (l.answers[0] == l.question)
            l.fail("the odd one out must differ from the question text");
        if (!l.answers.empty())
            needRight(l, l.answers[0], "answer 0, the label that differs");
        break;
    case 6:
        needRight(l, l.question, "the question text, which the screen sends once sorted");
        // Rows of 15 are centred like the catch game's targets: past 12 their ends leave the window.
        if (q.size() < 3 || q.size() > 12)
            l.fail("the question must be 3 to 12 characters (one row on screen)");
        if (std::set<std::string>(q.begin(), q.end()).size() < 2)
            l.fail("the question needs at least two different characters to sort");
        break;
    case 7: case 8: case 9: case 10: case 11:
        // A fifth option is never shown: the menu has four places. It may stand as a decoy for
        // the one-by-one presenter's count, but the right one must be among those shown.
        needOptions(l, 2, 5);
        if (l.answers.size() == 5 && l.answers[4] == l.right)
            l.fail("\"right\" is the fifth answer, which the option menu never shows");
        break;
    case 15:
        needOptions(l, 2, 4);
        if (l.body["multiple"].asInt() < 2)
            l.fail("a golden-egg question needs \"multiple\" of 2 or more");
        break;
    case 13: {
        if (q.size() > 36)
            l.fail("the sentence must fit 36 cells");
        const auto r = Utf8Text::characters(l.right);
        if (r.size() != q.size()) {
            l.fail("\"right\" must be the sentence with every blank filled");
            break;
        }
        const std::set<std::string> marks(l.answers.begin(), l.answers.end());
        int blanks = 0;
        for (std::size_t i = 0; i < q.size(); ++i) {
            const bool blank = q[i] == ";" || q[i] == "；";
            blanks += blank;
            if (blank && !marks.count(r[i]))
                l.fail("blank " + std::to_string(i) + " is filled with a mark that is not offered");
            if (!blank && q[i] != r[i])
                l.fail("\"right\" differs from the sentence outside the blanks at " + std::to_string(i));
        }
        if (blanks == 0)
            l.fail("the sentence has no blank");
        if (l.answers.empty() || l.answers.size() > 8)
            l.fail("offer 1 to 8 punctuation marks");
        break;
    }
    case 14: {
        if (l.answers.size() != 1) {
            l.fail("needs exactly one answer: the row of characters");
            break;
        }
        const auto cells = Utf8Text::length(l.answers[0]);
        if (cells < 3 || cells > 12)
            l.fail("the row must be 3 to 12 characters");
        if (l.right.size() != cells || l.right.find_first_not_of("01") != std::string::npos)
            l.fail("\"right\" must be a mask of 0 and 1, one per character");
        else if (l.right.find('0') == std::string::npos || l.right.find('1') == std::string::npos)
            l.fail("the mask must remove some characters and keep some");
        break;
    }
    default:
        break;
    }
}

void rectRules(Line& l)
{
    const auto& rects = l.body["answer"];
    if (rects.size() < 1 || rects.size() > 5)
        l.fail("needs 1 to 5 difference rectangles");
    for (const auto& r : rects) {
        bool numeric = r.isObject() && r.size() == 4;
        for (const char* k : {"x1", "x2", "y1", "y2"})
            numeric = numeric && r[k].isNumeric();
        if (!numeric) {
            l.fail("a difference must be {\"x1\",\"x2\",\"y1\",\"y2\"} numbers");
            continue;
        }
        if (r["x1"].asDouble() < 0 || r["y1"].asDouble() < 0 || r["x1"].asDouble() >= r["x2"].asDouble() ||
            r["y1"].asDouble() >= r["y2"].asDouble())
            l.fail("a difference rectangle needs 0 <= x1 < x2 and 0 <= y1 < y2");
    }
    needRight(l, "0", "\"0\", which the screen sends when every difference is found");
}

void pictureRules(Line& l, int p)
{
    if (p != 3 && p != 8 && p != 9 && p != 14)
        needMedia(l, "img", "png");
    switch (p) {
    case 1: {
        const auto labels = l.question.substr(0, 9);
        std::set<char> distinct(labels.begin(), labels.end());
        const bool ascii = std::all_of(labels.begin(), labels.end(), [](char c) { return c > 32 && c < 127; });
        if (labels.size() != 9 || distinct.size() != 9 || !ascii)
            l.fail("the question must start with 9 different one-byte labels");
        needRight(l, labels, "the 9 labels in board order");
        break;
    }
    case 2: {
        if (l.answers.size() != 16 || std::set<std::string>(l.answers.begin(), l.answers.end()).size() != 16) {
            l.fail("needs 16 different piece labels");
            break;
        }
        std::string expected;
        for (int k : PlayTypeRules::kPickSlots)
            expected += l.answers[k];
        needRight(l, expected, "the labels of pieces 0, 1, 2, 4, 5, 6, 8, 9, 10 joined");
        break;
    }
    case 3:
        needMediaOptions(l, 4);
        needRight(l, "0", "\"0\", which the screen sends when the fourth pair is found");
        break;
    case 4: case 11:
        needCells(l);
        break;
    case 5:
        if (!BankRules::isMediaName(l.question))
            l.fail("the question must name the picture with the missing colour");
        needOptions(l, 2, 16);
        for (const auto& a : l.answers)
            if (a.size() != 6 || a.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
                l.fail("colour \"" + a + "\" must be six hexadecimal digits");
        break;
    case 6:
        if (!BankRules::isMediaName(l.question))
            l.fail("the question must name the left picture");
        rectRules(l);
        break;
    case 7: case 13:
        needOptions(l, 2, 4);
        if (p == 13) {
            const int type = l.body["awardtype"].asInt();
            const int num = l.body["awardnum"].asInt();
            if (type != 1 && type != 2)
                l.fail("a scratch card needs \"awardtype\" 1 (score) or 2 (money)");
            if (num < 1 || num > 50)
                l.fail("a scratch card needs \"awardnum\" from 1 to 50");
        }
        break;
    case 8: case 9:
        needMediaOptions(l, p == 8 ? 2 : 4);
        needLetter(l, l.answers.size());
        break;
    case 12:
        needMediaOptions(l, 4);
        needLetter(l, 4);
        break;
    case 14:
        needRight(l, "right", "\"right\", which the screen sends for the card with the carrot");
        break;
    default:
        break;
    }
}

void mediaRules(Line& l, int g, int p)
{
    needMedia(l, g == 3 ? "music" : "video", g == 3 ? "mp3" : "mp4");
    if (p == 1)
        needOptions(l, 2, 4);
    else
        needCells(l);
}

void jumpRules(Line& l)
{
    if (!l.body.isMember("jump"))
        return;
    const auto& jump = l.body["jump"];
    if (!jump.isArray() || jump.size() != l.answers.size()) {
        l.fail("\"jump\" must hold one link per answer option (empty for options without one)");
        return;
    }
    int linked = 0;
    for (const auto& j : jump) {
        if (!j.isObject() || !j["url"].isString() || !j["name"].isString() || j.size() != 2) {
            l.fail("a link must be {\"url\": text, \"name\": text}");
            return;
        }
        const auto url = j["url"].asString();
        if (!url.empty() && url.rfind("https://", 0) != 0)
            l.fail("a link must be an https:// address");
        linked += !url.empty() && !j["name"].asString().empty();
    }
    // The links arrive with the question: links on some options only would point at the answer.
    if (linked != static_cast<int>(jump.size()))
        l.fail("\"jump\" must give every option a link, or leave it out");
}

// The advertisement the answer box shows under the verdict: its icon is one of our media
// (downloaded like a question's picture), its button opens "url".
void adRules(Line& l)
{
    if (!l.body.isMember("ad"))
        return;
    const auto& ad = l.body["ad"];
    static const std::set<std::string> keys = {"icon", "name", "info", "url", "apkname"};
    const auto names = ad.isObject() ? ad.getMemberNames() : Json::Value::Members();
    if (std::set<std::string>(names.begin(), names.end()) != keys) {
        l.fail("\"ad\" must be {\"icon\", \"name\", \"info\", \"url\", \"apkname\"}");
        return;
    }
    for (const auto& key : keys)
        if (!ad[key].isString() || ad[key].asString().empty() || !Utf8Text::isClientSafe(ad[key].asString())) {
            l.fail("\"ad\" member \"" + key + "\" must be a non-empty text");
            return;
        }
    const auto icon = ad["icon"].asString();
    if (!BankRules::isMediaName(icon) || icon.substr(icon.size() - 3) != "png")
        l.fail("the ad icon must name a .png file: " + icon);
    if (ad["url"].asString().rfind("https://", 0) != 0)
        l.fail("the ad address must be an https:// address");
    const auto apk = ad["apkname"].asString();
    if (apk.size() > 64 || apk.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789._") != std::string::npos)
        l.fail("the ad's \"apkname\" must be lower-case letters, digits, \".\" and \"_\"");
}

} // namespace

void PlayTypeRules::check(const BankEntry& entry, std::vector<std::string>& problems)
{
    Line l{entry.body, {}, entry.body["question"].asString(), entry.right, problems};
    const bool rects = entry.gameType == 2 && entry.playType == 6;
    if (!rects) {
        for (const auto& a : entry.body["answer"]) {
            if (!a.isString() || a.asString().empty() || !Utf8Text::isClientSafe(a.asString()))
                l.fail("every answer must be a non-empty text");
            else
                l.answers.push_back(a.asString());
        }
    }
    const bool needsAnswers = !(entry.gameType == 1 && entry.playType == 1) &&
                              !(entry.gameType == 2 && entry.playType == 14);
    if (needsAnswers && entry.body["answer"].empty()) {
        l.fail("\"answer\" is missing or empty");
        return;
    }
    switch (entry.gameType) {
    case 1: textRules(l, entry.playType); break;
    case 2: pictureRules(l, entry.playType); break;
    default: mediaRules(l, entry.gameType, entry.playType); break;
    }
    jumpRules(l);
    adRules(l);
}

} // namespace server::quiz
