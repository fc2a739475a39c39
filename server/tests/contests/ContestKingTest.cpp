// Challenging the king against the real server: who the king is, the challenge push and its
// answers, the 30 seconds it waits, the king's own limits, and the crown changing hands.
#include "contests/ContestTestSupport.h"

#include "storage/PlayerStore.h"

#include <thread>

namespace server::test {
namespace {

class ContestKing : public ContestTest {
protected:
    void SetUp() override {
        ContestTest::SetUp();
        king = std::make_unique<ContestPlayer>(account());
        challenger = std::make_unique<ContestPlayer>(account());
        // Before any challenge, the best of the week wears the crown.
        server->app().services().players.addProgress(king->id(), PlayerProgress{120, 0, 0});
    }

    Json::Value challenge() {
        EXPECT_EQ(challenger->presence(1, 3)["response"].asInt(), 1);
        return challenger->pair(0, 3);
    }

    std::unique_ptr<ContestPlayer> king, challenger;
};

TEST_F(ContestKing, TheKingHearsTheChallengeAndRefusesOrAccepts) {
    auto entered = king->presence(1, 3);
    EXPECT_EQ(entered["isking"].asInt(), 1) << entered;
    EXPECT_EQ(entered["enablecount"].asInt(), 5);
    EXPECT_EQ(challenger->presence(1, 3)["isking"].asInt(), 0);

    auto asked = challenge();
    EXPECT_EQ(asked["response"].asInt(), 1) << asked;
    king->drain();
    auto push = king->take(28, 0);
    ASSERT_FALSE(push.isNull());
    EXPECT_EQ(push["challenge"].asString(), challenger->idText());
    EXPECT_EQ(push["matchtype"].asInt(), 3);
    EXPECT_EQ(push["eqquse"].asInt(), 1);
    EXPECT_FALSE(push["name"].asString().empty());
    EXPECT_EQ(king->pair(2, 3, push["challenge"])["response"].asInt(), 1);
    EXPECT_FALSE(server->app().contests().inContest(king->id()));
    EXPECT_EQ(king->pair(1, 3, push["challenge"])["act"].asInt(), 8) << "a refused challenge cannot be accepted";

    EXPECT_EQ(challenge()["response"].asInt(), 1);
    king->drain();
    push = king->take(28, 0);
    const int kingMoney = king->record().money;
    EXPECT_EQ(king->pair(1, 3, push["challenge"])["response"].asInt(), 1);
    king->drain();
    challenger->drain();
    EXPECT_EQ(king->take(28, 3)["challenge"].asString(), challenger->idText());
    const auto start = challenger->take(28, 3);
    EXPECT_EQ(start["challenge"].asString(), king->idText());
    EXPECT_EQ(start["matchtype"].asInt(), 3);
    EXPECT_EQ(king->record().money, kingMoney) << "the king defends for nothing";
    EXPECT_EQ(king->presence(1, 3)["enablecount"].asInt(), 5) << "nor does it use his count";
    EXPECT_EQ(challenger->presence(1, 3)["enablecount"].asInt(), 4);
}

TEST_F(ContestKing, ChallengesNeedAKingInTheHallInOpeningHours) {
    auto refusedWith = [](const Json::Value& r) { return r["response"].asInt() == 0 ? r["act"].asInt() : -1; };
    EXPECT_EQ(refusedWith(challenge()), 4) << "the king is not in the challenge hall";
    king->presence(1, 1);
    EXPECT_EQ(refusedWith(challenge()), 4) << "the king idles in the other hall";
    king->presence(1, 3);
    EXPECT_EQ(refusedWith(king->pair(0, 3)), 4) << "the king cannot challenge";
    live(31000, {challenger.get()});
    EXPECT_EQ(refusedWith(challenge()), 4) << "the king went quiet 31 s ago";
    king->presence(1, 3);
    at(7, 59);
    EXPECT_EQ(refusedWith(challenge()), 4) << "the hall opens at 08:00";
    at(8, 0);
    EXPECT_EQ(refusedWith(challenge()), -1);
    king->presence(2, 3);
    EXPECT_FALSE(server->app().contests().inContest(challenger->id()));
}

TEST_F(ContestKing, ASecondChallengerHearsAtOnceWhileTheKingAnswersTheFirst) {
    king->presence(1, 3);
    ASSERT_EQ(challenge()["response"].asInt(), 1);
    ContestPlayer second(account());
    EXPECT_EQ(second.presence(1, 3)["response"].asInt(), 1);
    const auto refused = second.pair(0, 3);
    EXPECT_EQ(refused["response"].asInt(), 0);
    EXPECT_EQ(refused["act"].asInt(), 4) << "the king's popup holds the first challenge";
    EXPECT_EQ(challenger->pair(0, 3)["response"].asInt(), 1) << "the first challenger may ask again";
    live(31000, {king.get(), challenger.get(), &second});
    EXPECT_EQ(second.pair(0, 3)["response"].asInt(), 1) << "the first challenge has run out";
    king->drain();
    EXPECT_EQ(king->take(28, 0)["challenge"].asString(), challenger->idText());
    EXPECT_EQ(king->take(28, 0)["challenge"].asString(), challenger->idText());
    EXPECT_EQ(king->take(28, 0)["challenge"].asString(), second.idText());
}

TEST_F(ContestKing, AChallengeWaitsThirtySecondsAndIsAcceptedOnce) {
    king->presence(1, 3);
    ASSERT_EQ(challenge()["response"].asInt(), 1);
    live(31000, {king.get(), challenger.get()});
    EXPECT_EQ(king->pair(1, 3, challenger->idText())["act"].asInt(), 8) << "expired";

    ASSERT_EQ(challenge()["response"].asInt(), 1);
    // The king's two devices (or a double tap) accept at once: one contest, one refusal.
    std::atomic<int> accepted{0}, refused{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&] {
            const auto r = king->pair(1, 3, challenger->idText());
            (r["response"].asInt() == 1 ? accepted : refused)++;
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(accepted.load(), 1);
    EXPECT_EQ(refused.load(), 3);
    EXPECT_EQ(server->app().contests().runningContests(), 1u);
    EXPECT_EQ(challenger->presence(1, 3)["enablecount"].asInt(), 4) << "counted once";
}

TEST_F(ContestKing, TheChallengerWhoWinsIsKingATieLeavesTheCrown) {
    king->presence(1, 3);
    challenge();
    king->pair(1, 3, challenger->idText());
    king->drain();
    challenger->drain();
    playOut(*challenger, 3, *king, 2);
    const auto result = challenger->take(32, 1);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result["matchtype"].asInt(), 3);
    EXPECT_EQ(result["challenge"].asString(), challenger->idText());
    EXPECT_EQ(result["iswin"].asInt(), 1);
    EXPECT_EQ(result["iswin2"].asInt(), 0);
    EXPECT_EQ(challenger->presence(1, 3)["isking"].asInt(), 1);
    EXPECT_EQ(king->presence(1, 3)["isking"].asInt(), 0);

    // The old king challenges the new one (his first challenge of the day) and they tie.
    king->inbox.clear();
    challenger->inbox.clear();
    const int oldKingMoney = king->record().money;
    ASSERT_EQ(king->pair(0, 3)["response"].asInt(), 1);
    challenger->drain();
    ASSERT_FALSE(challenger->take(28, 0).isNull());
    ASSERT_EQ(challenger->pair(1, 3, king->idText())["response"].asInt(), 1);
    king->drain();
    challenger->drain();
    EXPECT_EQ(king->record().money, oldKingMoney) << "his first challenge of the day is free";
    playOut(*king, 2, *challenger, 2);
    const auto tie = king->take(32, 1);
    EXPECT_EQ(tie["iswin"].asInt(), 2) << tie;
    EXPECT_EQ(tie["iswin2"].asInt(), 2);
    EXPECT_EQ(tie["money"].asInt(), 3);
    EXPECT_EQ(challenger->presence(1, 3)["isking"].asInt(), 1) << "a tie keeps the king";
}

TEST_F(ContestKing, ASecondChallengeOfTheDayCostsTheChallengerOnce) {
    king->presence(1, 3);
    challenge();
    king->pair(1, 3, challenger->idText());
    ASSERT_EQ(challenger->presence(4, 3)["response"].asInt(), 1);
    const int before = challenger->record().money;
    king->presence(1, 3);
    ASSERT_EQ(challenge()["response"].asInt(), 1);
    EXPECT_EQ(challenger->record().money, before) << "nothing taken before the king accepts";
    ASSERT_EQ(king->pair(1, 3, challenger->idText())["response"].asInt(), 1);
    EXPECT_EQ(challenger->record().money, before - 10);

    auto poor = account(9);
    challenger->presence(4, 3);
    // Use poor's free challenge first.
    poor.presence(1, 3);
    ASSERT_EQ(poor.pair(0, 3)["response"].asInt(), 1);
    ASSERT_EQ(king->pair(1, 3, poor.idText())["response"].asInt(), 1);
    poor.presence(4, 3);
    const auto shortOfMoney = poor.pair(0, 3);
    EXPECT_EQ(shortOfMoney["act"].asInt(), 5) << shortOfMoney;
    EXPECT_EQ(poor.record().money, 9);
}

} // namespace
} // namespace server::test
