#include "storage/PlayerStore.h"
#include "storage/Storage.h"

#include "TempDir.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

namespace server {
namespace {

TEST(Storage, MigrationsRunOnceAndInOrder) {
    test::TempDir dir;
    {
        Storage storage(test::databaseFor(dir, "a.db"));
        storage.migrate("demo", {{1, "CREATE TABLE t (a INTEGER)"}, {2, "ALTER TABLE t ADD COLUMN b TEXT"}});
        EXPECT_EQ(storage.schemaVersion("demo"), 2);
    }
    Storage again(test::databaseFor(dir, "a.db"));
    // Re-running the same steps must not try to create the table twice.
    again.migrate("demo", {{1, "CREATE TABLE t (a INTEGER)"}, {2, "ALTER TABLE t ADD COLUMN b TEXT"},
                           {3, "CREATE INDEX t_a ON t (a)"}});
    EXPECT_EQ(again.schemaVersion("demo"), 3);
    EXPECT_EQ(again.schemaVersion("other"), 0);
    if (!again.postgres()) {
        auto q = again.query("PRAGMA journal_mode");
        ASSERT_TRUE(q->step());
        EXPECT_EQ(q->columnText(0), "wal");
    }
}

TEST(Storage, FailedMigrationLeavesVersionAndSchemaUntouched) {
    test::TempDir dir;
    Storage storage(test::databaseFor(dir, "a.db"));
    storage.migrate("demo", {{1, "CREATE TABLE t (a INTEGER)"}});
    EXPECT_THROW(storage.migrate("demo", {{2, "CREATE TABLE u (a INTEGER); SELECT * FROM missing"}}), StorageError);
    EXPECT_EQ(storage.schemaVersion("demo"), 1);
    EXPECT_THROW(storage.query("SELECT * FROM u")->step(), StorageError);
}

TEST(Storage, TransactionRollsBackUnlessCommitted) {
    test::TempDir dir;
    Storage storage(test::databaseFor(dir, "a.db"));
    storage.migrate("demo", {{1, "CREATE TABLE t (a INTEGER)"}});
    {
        auto tx = storage.transaction();
        storage.query("INSERT INTO t VALUES (?1)")->bind(1, 5).run();
    }
    {
        auto tx = storage.transaction();
        storage.query("INSERT INTO t VALUES (?1)")->bind(1, 7).run();
        tx.commit();
    }
    auto q = storage.query("SELECT COUNT(*), MAX(a) FROM t");
    ASSERT_TRUE(q->step());
    EXPECT_EQ(q->columnInt(0), 1);
    EXPECT_EQ(q->columnText(1), "7");
}

TEST(PlayerStore, HostileUserNamesAreStoredAsPlainText) {
    test::TempDir dir;
    Storage storage(test::databaseFor(dir, "a.db"));
    PlayerStore players(storage);
    const std::string names[] = {"1'; DROP TABLE players; --", "13\"800\"138000", "x' OR '1'='1"};
    for (const auto& name : names) {
        auto created = players.createAccount(name, "hash", "MAC", 0);
        ASSERT_TRUE(created) << name;
        EXPECT_GE(created->id, 10001);
        auto found = players.findByUserName(name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(found->userName, name);
    }
    EXPECT_EQ(players.count(), 3);
    EXPECT_FALSE(players.findByUserName("anything"));
    EXPECT_FALSE(players.createAccount(names[0], "other", "MAC", 0)) << "duplicate must be refused";
}

TEST(PlayerStore, ProgressFollowsTheLevelRuleAndKeepsMoneyNonNegative) {
    test::TempDir dir;
    Storage storage(test::databaseFor(dir, "a.db"));
    PlayerStore players(storage);
    const int id = players.createGuest("AABBCCDDEEFF").id;
    auto after = players.addProgress(id, {350, 20, 1});
    ASSERT_TRUE(after);
    EXPECT_EQ(after->score, 350);
    EXPECT_EQ(after->level, 2); // 100 and 300 passed, 600 not yet
    EXPECT_EQ(after->levelUpScore, 600);
    EXPECT_EQ(after->answerCount, 1);
    EXPECT_FALSE(players.addProgress(id, {0, -21, 0})) << "money must not go below zero";
    auto stored = players.find(id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->money, 20);
    EXPECT_FALSE(players.addProgress(999999, {1, 1, 1}));
}

} // namespace
} // namespace server
