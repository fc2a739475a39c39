// The bundled bank: every file must load, and every screen must have enough questions.
#include "quiz/BankLoader.h"
#include "quiz/BankRules.h"
#include "store/StoreCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace server::quiz {
namespace {

const std::string kBankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";

TEST(BankFiles, EveryBundledFileIsValid)
{
    const auto load = BankLoader::loadFolder(kBankDir, "");
    for (const auto& e : load.errors)
        ADD_FAILURE() << e.toString();
    EXPECT_EQ(load.badFiles, 0);
    EXPECT_GT(load.goodFiles, 25);
}

TEST(BankFiles, EveryScreenHasAtLeastFiveQuestions)
{
    const auto load = BankLoader::loadFolder(kBankDir, "");
    std::map<std::pair<int, int>, int> perPair;
    for (const auto& e : load.entries)
        ++perPair[{e.gameType, e.playType}];
    for (const auto& pair : BankRules::supportedPairs())
        EXPECT_GE(perPair[pair], 5) << "game type " << pair.first << " play type " << pair.second;
    int textChoices = 0;
    for (int p : {7, 8, 9, 10, 11, 15})
        textChoices += perPair[{1, p}];
    EXPECT_GE(textChoices, 150);
}

TEST(BankFiles, ChoiceQuestionsDoNotRepeat)
{
    const auto load = BankLoader::loadFolder(kBankDir, "");
    std::set<std::string> stems;
    for (const auto& e : load.entries)
        if (e.gameType == 1 && ((e.playType >= 7 && e.playType <= 11) || e.playType == 15)) {
            EXPECT_TRUE(stems.insert(e.body["question"].asString()).second) << e.body["question"].asString();
        }
}

// The bank and the store's seed name each media file; the recipes say how to make it. One without
// the other is a question or goods item that cannot load its picture, or a file nobody asks for.
TEST(BankFiles, EveryMediaNameHasARecipeAndEveryRecipeIsUsed)
{
    const std::string recipes = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/media";
    std::set<std::string> made;
    for (const auto& item : std::filesystem::directory_iterator(recipes)) {
        std::ifstream in(item.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            const auto start = line.find("\"name\": \"") + 9;
            made.insert(line.substr(start, line.find('"', start) - start));
        }
    }
    std::set<std::string> used;
    for (const auto& e : BankLoader::loadFolder(kBankDir, "").entries)
        for (const auto& name : BankRules::mediaNames(e)) {
            EXPECT_TRUE(made.count(name)) << name << " of question " << e.qsid << " has no recipe";
            used.insert(name);
        }
    store::StoreCatalogue goods;
    const auto seed = goods.readFile(std::string(BRINDLE_SERVER_SOURCE_DIR) + "/data/store.json");
    EXPECT_TRUE(seed.ok) << seed.error;
    for (const auto& name : goods.pictures()) {
        EXPECT_TRUE(made.count(name)) << name << " of the store has no recipe";
        used.insert(name);
    }
    for (const auto& name : made)
        EXPECT_TRUE(used.count(name)) << name << " is made but no question or goods item uses it";
}

} // namespace
} // namespace server::quiz
