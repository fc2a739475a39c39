#include "store/StoreCatalogue.h"

#include "commands/JsonText.h"
#include "quiz/MediaLibrary.h"
#include "commands/PlainText.h"

#include <fstream>
#include <set>
#include <sstream>

namespace server::store {

namespace {

constexpr int kMaxPrice = 10'000'000; // times 99 pieces still fits an int
constexpr int kMaxFaceValue = 10'000'000;
constexpr int kMaxStock = 1'000'000;
constexpr int kMaxNumber = 99;

// Reads one goods item or category; the first problem found stops it.
class Reader {
public:
    explicit Reader(std::string where) : m_where(std::move(where)) {}

    bool whole(const Json::Value& v, const char* member, int low, int high, int& out) {
        const auto& m = v[member];
        if (!m.isInt() || m.asInt() < low || m.asInt() > high) {
            return fail("\"" + std::string(member) + "\" must be a whole number from " + std::to_string(low) + " to " +
                        std::to_string(high));
        }
        out = m.asInt();
        return true;
    }

    bool text(const Json::Value& v, const char* member, std::size_t minBytes, std::size_t maxBytes, std::string& out) {
        const auto& m = v[member];
        if (!m.isString() || m.asString().size() < minBytes || m.asString().size() > maxBytes ||
            !isPlainText(m.asString())) {
            return fail("\"" + std::string(member) + "\" must be a text of " + std::to_string(minBytes) + " to " +
                        std::to_string(maxBytes) + " bytes without control characters");
        }
        out = m.asString();
        return true;
    }

    bool fail(const std::string& what) {
        if (m_error.empty()) {
            m_error = m_where + ": " + what;
        }
        return false;
    }

    void at(std::string where) { m_where = std::move(where); }
    const std::string& error() const { return m_error; }

private:
    std::string m_where;
    std::string m_error;
};

bool readGoods(Reader& r, const Json::Value& v, Goods& g) {
    if (!v.isObject()) {
        return r.fail("a goods item must be an object");
    }
    if (!r.whole(v, "goodsid", 1, 99'999'999, g.id) || !r.text(v, "goodsname", 1, 60, g.name) ||
        !r.text(v, "goodsimg", 5, 128, g.img) || !r.whole(v, "goodstypeid", 0, 9, g.kind) ||
        !r.whole(v, "moneyprice", 0, kMaxPrice, g.moneyPrice) || !r.whole(v, "scoreprice", 0, kMaxPrice, g.scorePrice) ||
        !r.whole(v, "facevalue", 0, kMaxFaceValue, g.faceValue) || !r.whole(v, "stock", 0, kMaxStock, g.stock) ||
        !r.whole(v, "number", 1, kMaxNumber, g.number) || !r.text(v, "goodsdescribe", 1, 1000, g.describe) ||
        !r.text(v, "supplytel", 1, 40, g.supplyTel) || !r.text(v, "supplyaddr", 1, 200, g.supplyAddr)) {
        return false;
    }
    if (!quiz::MediaLibrary::isSafeName(g.img) || g.img.substr(g.img.size() - 4) != ".png") {
        return r.fail("\"goodsimg\" must be a plain .png name of the media folder");
    }
    if (g.moneyPrice == 0 && g.scorePrice == 0) {
        return r.fail("the item costs nothing: give it a \"moneyprice\" or a \"scoreprice\"");
    }
    return true;
}

bool readPage(Reader& r, const Json::Value& list, const char* page, std::vector<Category>& out,
              std::set<int>& goodsIds, const Json::Value& shop) {
    if (!list.isArray()) {
        return r.fail(std::string("\"") + page + "\" must hold a list of categories");
    }
    std::set<int> types;
    for (Json::ArrayIndex c = 0; c < list.size(); ++c) {
        const auto& v = list[c];
        r.at(std::string(page) + " category " + std::to_string(c + 1));
        Category category;
        if (!v.isObject()) {
            return r.fail("a category must be an object");
        }
        if (!r.whole(v, "type", 1, 9999, category.type) || !r.text(v, "name", 1, 30, category.name)) {
            return false;
        }
        if (!types.insert(category.type).second) {
            return r.fail("category type " + std::to_string(category.type) + " comes twice");
        }
        if (!v["goods"].isArray()) {
            return r.fail("\"goods\" must be a list (it may be empty)");
        }
        for (Json::ArrayIndex i = 0; i < v["goods"].size(); ++i) {
            r.at(std::string(page) + " category " + std::to_string(category.type) + " goods " + std::to_string(i + 1));
            Goods g;
            if (!readGoods(r, v["goods"][i], g)) {
                return false;
            }
            if (!goodsIds.insert(g.id).second) {
                return r.fail("goodsid " + std::to_string(g.id) + " comes twice");
            }
            if (shop.isObject()) {
                g.shopAddress = shop["shopaddress"].asString();
                g.shopTel = shop["shoptel"].asString();
            }
            category.goods.push_back(std::move(g));
        }
        out.push_back(std::move(category));
    }
    return true;
}

} // namespace

std::vector<std::string> StoreCatalogue::pictures() const {
    std::vector<std::string> names;
    for (const auto* page : {&store, &merchant}) {
        for (const auto& c : *page) {
            for (const auto& g : c.goods) {
                names.push_back(g.img);
            }
        }
    }
    return names;
}

StoreCatalogue::Load StoreCatalogue::readFile(const std::string& path) {
    *this = {};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {false, path + ": cannot be read"};
    }
    std::ostringstream text;
    text << in.rdbuf();
    Json::Value seed;
    std::string error;
    if (!JsonText::parse(text.str(), seed, error)) {
        return {false, path + ": not JSON (" + error + ")"};
    }
    return read(seed, path);
}

StoreCatalogue::Load StoreCatalogue::read(const Json::Value& seed, const std::string& where) {
    *this = {};
    if (!seed.isObject()) {
        return {false, where + ": must be an object with \"store\" and \"merchant\""};
    }
    Reader r("store");
    std::set<int> goodsIds;
    StoreCatalogue read;
    const auto& merchant = seed["merchant"];
    bool ok = readPage(r, seed["store"], "store", read.store, goodsIds, Json::Value());
    if (ok && !merchant.isObject()) {
        r.at("merchant");
        ok = r.fail("\"merchant\" must be an object with \"shopaddress\", \"shoptel\" and \"categories\"");
    }
    if (ok) {
        r.at("merchant");
        std::string shopText;
        ok = r.text(merchant, "shopaddress", 1, 200, shopText) && r.text(merchant, "shoptel", 1, 40, shopText) &&
             readPage(r, merchant["categories"], "merchant", read.merchant, goodsIds, merchant);
    }
    if (!ok) {
        return {false, where + ": " + r.error()};
    }
    *this = std::move(read);
    return {true, {}};
}

} // namespace server::store
