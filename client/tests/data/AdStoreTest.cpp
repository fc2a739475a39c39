#include "data/AdStore.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class AdStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = (fs::temp_directory_path() / ("brindle-ad-" + std::to_string(::getpid()))).string() + "/";
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_store = std::make_unique<AdStore>(m_folder);
        m_store->open("Ad.db");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string m_folder;
    std::unique_ptr<AdStore> m_store;
};

TEST_F(AdStoreTest, RecordsMoveFromShownToTouchedToReported) {
    EXPECT_EQ(m_store->path(), m_folder + "Ad.db");
    m_store->put("Ad", "com.example.one", "11", "1", "0");
    m_store->put("Ad", "com.example.two", "12", "2", "0");
    m_store->loadTouched();
    EXPECT_TRUE(m_store->records().empty());

    m_store->setTouchByName("Ad", "com.example.two", "1");
    m_store->loadTouched();
    ASSERT_EQ(m_store->records().size(), 1u);
    const AdRecord record = m_store->records()[0];
    EXPECT_EQ(record.name, "com.example.two");
    EXPECT_EQ(record.qsid, 12);
    EXPECT_EQ(record.gameType, 2);
    EXPECT_EQ(record.isTouch, 1);

    m_store->setTouchByQuestion("Ad", "12", "2", "2");
    m_store->loadTouched();
    EXPECT_TRUE(m_store->records().empty()) << "a reported row is not reported again";
}

TEST_F(AdStoreTest, LoadingTwiceDoesNotRepeatRows) {
    m_store->put("Ad", "a", "1", "1", "1");
    m_store->loadTouched();
    m_store->loadTouched();
    EXPECT_EQ(m_store->records().size(), 1u);
}

TEST_F(AdStoreTest, ASecondPutReplacesTheRowAndResetsItsTouch) {
    m_store->put("Ad", "same", "1", "1", "1");
    m_store->put("Ad", "same", "7", "3", "0");
    m_store->setTouchByQuestion("Ad", "7", "3", "1");
    m_store->loadTouched();
    ASSERT_EQ(m_store->records().size(), 1u);
    EXPECT_EQ(m_store->records()[0].qsid, 7);
    EXPECT_EQ(m_store->records()[0].gameType, 3);
}

TEST_F(AdStoreTest, NamesWithQuotesAndSqlAreStoredAsTheyAre) {
    const std::string names[] = {"com.\"quoted\".app", "x\"); drop table Ad; --", "qsid", "it's", ""};
    for (const std::string& name : names) {
        m_store->put("Ad", name, "5", "1", "0");
        m_store->setTouchByName("Ad", name, "1");
    }
    m_store->loadTouched();
    std::vector<std::string> stored;
    for (const AdRecord& r : m_store->records()) stored.push_back(r.name);
    std::sort(stored.begin(), stored.end());
    std::vector<std::string> expected(std::begin(names), std::end(names));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
}

TEST_F(AdStoreTest, RefusesNumbersThatAreNotDecimalAndOddTables) {
    m_store->put("Ad", "a", "1 or 1=1", "1", "1");
    m_store->put("Ad; drop table Ad", "b", "1", "1", "1");
    m_store->put("Ad", "c", "1", "1", "1");
    m_store->setTouchByQuestion("Ad", "1 or 1", "1", "2");
    m_store->loadTouched();
    ASSERT_EQ(m_store->records().size(), 1u);
    EXPECT_EQ(m_store->records()[0].name, "c");
}

TEST_F(AdStoreTest, UnopenableFileFailsQuietly) {
    AdStore broken(m_folder + "missing/dir/");
    broken.open("Ad.db");
    broken.put("Ad", "a", "1", "1", "1");
    broken.loadTouched();
    EXPECT_TRUE(broken.records().empty());
}

} // namespace
