// The store's pages on stage against the scripted game peer of the reward screens: the catalogue
// and account-book answers as a test sets them, goods pictures already downloaded, and the
// exchange overlay replaced by a recorder of the goods it was opened for.
#pragma once

#include "menu/RewardScreenSupport.h"

#include <json/value.h>

#include <string>
#include <vector>

namespace test_support {

class StoreScreenTest : public RewardScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A goods item whose picture is one of the generated media pictures.
    static Json::Value goods(int id, int price, const std::string& name = "");
    // The catalogue answer: one category per entry (name, goods count), goods ids 100 * (index + 1)
    // + n, nested in their category and listed again at the top level.
    static Json::Value catalogue(const std::vector<std::pair<std::string, int>>& categories);
    static Json::Value record(int orderId, int showType, int price, const std::string& code = "");
    static Json::Value records(const std::vector<Json::Value>& items);

    // A release dx points right of a press at (x, y), with `moves` move events between.
    static void drag(float x, float y, float dx, int moves);

    std::vector<int> m_opened; // goods ids the exchange overlay was opened for
};

} // namespace test_support
