// The goods on offer, as the seed file store.json describes them: the store's categories and,
// apart, the merchant page's. The seed is checked whole before anything of it is used, so a
// typo cannot put a free or nameless item on sale.
#pragma once

#include <json/value.h>

#include <string>
#include <vector>

namespace server::store {

// Delivery kinds ("goodstypeid"): telephone credit, account credit of another service (any kind
// not listed here), posted goods.
constexpr int kPhoneCredit = 0;
inline bool isPosted(int kind) { return kind == 4 || kind == 5 || kind == 6; }

enum class Page { Store = 0, Merchant = 1 };

struct Goods {
    int id = 0;
    std::string name;
    std::string img;
    int kind = 0;
    int moneyPrice = 0;
    int scorePrice = 0;
    int faceValue = 0; // hundredths of a yuan per piece
    int stock = 0;     // the seed's; the database keeps the live count
    int number = 1;    // the most pieces one exchange may take
    std::string describe;
    std::string supplyTel;
    std::string supplyAddr;
    std::string shopAddress; // merchant goods only
    std::string shopTel;
};

struct Category {
    int type = 0;
    std::string name;
    std::vector<Goods> goods;
};

struct StoreCatalogue {
    std::vector<Category> store;
    std::vector<Category> merchant;

    const std::vector<Category>& page(Page p) const { return p == Page::Store ? store : merchant; }
    std::vector<std::string> pictures() const;

    struct Load {
        bool ok = false;
        std::string error; // "FILE: what" when not ok
    };
    // Reads and checks the seed; on a problem the catalogue is left empty.
    Load readFile(const std::string& path);
    // The same for JSON already parsed; `where` prefixes the problem.
    Load read(const Json::Value& seed, const std::string& where);
};

} // namespace server::store
