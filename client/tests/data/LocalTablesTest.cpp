// The date and province tables: file order kept, foreign elements skipped, bad files keep the old table.
#include "data/LocalTables.h"
#include "support/TestSupport.h"

#include <fstream>

using namespace test_support;

namespace {

class LocalTablesTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        LocalTables::instance().reset();
    }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder + "resources/" + name) << text;
    }
};

std::vector<std::string> monthsAndDays() {
    std::vector<std::string> out;
    for (const Month* m : LocalTables::instance().months()) {
        std::string line = std::to_string(m->getNum()) + ":";
        for (const Day* d : m->days()) line += std::to_string(d->getNum()) + ",";
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> provincesAndCities() {
    std::vector<std::string> out;
    for (const ProvinceAtt* p : LocalTables::instance().provinces()) {
        std::string line = p->getName() + ":";
        for (const Cityatt* c : p->cities()) line += c->getName() + ",";
        out.push_back(line);
    }
    return out;
}

TEST_F(LocalTablesTest, MonthsKeepFileOrderAndSkipOtherElements) {
    struct Case {
        const char* what;
        const char* file;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"plain", R"(<r><Month num="12"><Day num="31"/><Day num="1"/></Month><Month num="3"/></r>)", {"12:31,1,", "3:"}},
        {"foreign elements at both levels", R"(<r><!-- c --><Year/><Month num="1">text<Week/><Day num="2"/></Month></r>)", {"1:2,"}},
        {"missing number reads 0", R"(<r><Month><Day num="x"/></Month></r>)", {"0:0,"}},
        {"malformed keeps the previous table", R"(<r><Month num="5">)", {"0:0,"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("date.xml", c.file);
        LocalTables::instance().loadMonths();
        EXPECT_EQ(monthsAndDays(), c.expected);
    }
    // A second read of the same file gives the same list, not a doubled one.
    LocalTables::instance().loadMonths();
    EXPECT_EQ(monthsAndDays(), std::vector<std::string>{"0:0,"});
}

TEST_F(LocalTablesTest, ProvincesKeepFileOrderAndSkipOtherElements) {
    write("Province.xml", R"(<r><Province Name="B"><City Name="b2"/><Town Name="x"/><City Name="b1"/></Province>
        <Country Name="no"/><Province Name="A"/><Province><City/></Province></r>)");
    LocalTables::instance().loadProvinces();
    EXPECT_EQ(provincesAndCities(), (std::vector<std::string>{"B:b2,b1,", "A:", ":,"}));
    std::remove((m_folder + "resources/Province.xml").c_str());
    LocalTables::instance().loadProvinces(); // missing file: the table stays
    EXPECT_EQ(provincesAndCities().size(), 3u);
}

} // namespace
