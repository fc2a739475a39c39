#include "store/CatalogueStore.h"

#include "storage/Storage.h"

namespace server::store {

namespace {

constexpr const char* kGoodsColumns =
    "id, name, img, kind, moneyprice, scoreprice, facevalue, stock, number, description, supplytel, supplyaddr, "
    "shopaddress, shoptel";

Goods goodsOf(Statement& s) {
    Goods g;
    int c = 0;
    g.id = static_cast<int>(s.columnInt(c++));
    g.name = s.columnText(c++);
    g.img = s.columnText(c++);
    g.kind = static_cast<int>(s.columnInt(c++));
    g.moneyPrice = static_cast<int>(s.columnInt(c++));
    g.scorePrice = static_cast<int>(s.columnInt(c++));
    g.faceValue = static_cast<int>(s.columnInt(c++));
    g.stock = static_cast<int>(s.columnInt(c++));
    g.number = static_cast<int>(s.columnInt(c++));
    g.describe = s.columnText(c++);
    g.supplyTel = s.columnText(c++);
    g.supplyAddr = s.columnText(c++);
    g.shopAddress = s.columnText(c++);
    g.shopTel = s.columnText(c++);
    return g;
}

} // namespace

CatalogueStore::CatalogueStore(Storage& storage) : m_storage(storage) {
    m_storage.migrate("store", {{1, R"(
        CREATE TABLE store_categories (
            page INTEGER NOT NULL,
            type INTEGER NOT NULL,
            name TEXT NOT NULL,
            position INTEGER NOT NULL,
            PRIMARY KEY (page, type)
        );
        CREATE TABLE store_goods (
            id INTEGER PRIMARY KEY,
            page INTEGER NOT NULL,
            category INTEGER NOT NULL,
            position INTEGER NOT NULL,
            listed INTEGER NOT NULL DEFAULT 1,
            name TEXT NOT NULL,
            img TEXT NOT NULL,
            kind INTEGER NOT NULL,
            moneyprice INTEGER NOT NULL CHECK (moneyprice >= 0),
            scoreprice INTEGER NOT NULL CHECK (scoreprice >= 0),
            facevalue INTEGER NOT NULL,
            stock INTEGER NOT NULL CHECK (stock >= 0),
            number INTEGER NOT NULL,
            description TEXT NOT NULL,
            supplytel TEXT NOT NULL,
            supplyaddr TEXT NOT NULL,
            shopaddress TEXT NOT NULL,
            shoptel TEXT NOT NULL
        );
        CREATE TABLE store_orders (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            player INTEGER NOT NULL,
            goods INTEGER NOT NULL,
            count INTEGER NOT NULL CHECK (count >= 1),
            goodsname TEXT NOT NULL,
            goodsimg TEXT NOT NULL,
            kind INTEGER NOT NULL,
            price INTEGER NOT NULL,
            money INTEGER NOT NULL,
            score INTEGER NOT NULL,
            tel TEXT NOT NULL,
            name TEXT NOT NULL,
            addr TEXT NOT NULL,
            message TEXT NOT NULL,
            supplytel TEXT NOT NULL,
            supplyaddr TEXT NOT NULL,
            at_ms INTEGER NOT NULL,
            state INTEGER NOT NULL DEFAULT 0,
            code TEXT NOT NULL DEFAULT '',
            sent_ms INTEGER NOT NULL DEFAULT 0
        );
        CREATE INDEX store_orders_player ON store_orders (player, id);
        CREATE INDEX store_orders_state ON store_orders (state, id);
    )"}});
}

void CatalogueStore::apply(const StoreCatalogue& seed) {
    auto tx = m_storage.transaction();
    m_storage.query("DELETE FROM store_categories")->run();
    m_storage.query("UPDATE store_goods SET listed = 0")->run();
    for (Page page : {Page::Store, Page::Merchant}) {
        int categoryPosition = 0;
        for (const auto& c : seed.page(page)) {
            {
                auto q = m_storage.query("INSERT INTO store_categories (page, type, name, position) VALUES (?1, ?2, ?3, ?4)");
                q->bindAll(static_cast<int>(page), c.type, c.name, categoryPosition++).run();
            }
            int position = 0;
            for (const auto& g : c.goods) {
                // The stock of a stored item is the live count: only a new item takes the seed's.
                auto q = m_storage.query(
                    "INSERT INTO store_goods (id, page, category, position, listed, name, img, kind, moneyprice, "
                    "scoreprice, facevalue, stock, number, description, supplytel, supplyaddr, shopaddress, shoptel) "
                    "VALUES (?1, ?2, ?3, ?4, 1, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17) "
                    "ON CONFLICT (id) DO UPDATE SET page = excluded.page, category = excluded.category, "
                    "position = excluded.position, listed = 1, name = excluded.name, img = excluded.img, "
                    "kind = excluded.kind, moneyprice = excluded.moneyprice, scoreprice = excluded.scoreprice, "
                    "facevalue = excluded.facevalue, number = excluded.number, description = excluded.description, "
                    "supplytel = excluded.supplytel, supplyaddr = excluded.supplyaddr, "
                    "shopaddress = excluded.shopaddress, shoptel = excluded.shoptel");
                q->bindAll(g.id, static_cast<int>(page), c.type, position++, g.name, g.img, g.kind, g.moneyPrice,
                           g.scorePrice, g.faceValue, g.stock, g.number, g.describe, g.supplyTel, g.supplyAddr,
                           g.shopAddress, g.shopTel)
                    .run();
            }
        }
    }
    tx.commit();
}

std::vector<Category> CatalogueStore::page(Page page) {
    std::vector<Category> categories;
    {
        auto q = m_storage.query("SELECT type, name FROM store_categories WHERE page = ?1 ORDER BY position");
        q->bind(1, static_cast<int>(page));
        while (q->step()) {
            categories.push_back({static_cast<int>(q->columnInt(0)), q->columnText(1), {}});
        }
    }
    auto q = m_storage.query(std::string("SELECT ") + kGoodsColumns + ", category FROM store_goods "
                             "WHERE page = ?1 AND listed = 1 ORDER BY position");
    q->bind(1, static_cast<int>(page));
    while (q->step()) {
        const auto type = q->columnInt(14);
        for (auto& c : categories) {
            if (c.type == type) {
                c.goods.push_back(goodsOf(*q));
            }
        }
    }
    return categories;
}

std::optional<Goods> CatalogueStore::find(int goodsId) {
    auto q = m_storage.query(std::string("SELECT ") + kGoodsColumns + " FROM store_goods WHERE id = ?1 AND listed = 1");
    q->bind(1, goodsId);
    if (!q->step()) {
        return std::nullopt;
    }
    return goodsOf(*q);
}

std::vector<std::string> CatalogueStore::pictures() {
    std::vector<std::string> names;
    auto q = m_storage.query("SELECT DISTINCT img FROM store_goods WHERE listed = 1 ORDER BY img");
    while (q->step()) {
        names.push_back(q->columnText(0));
    }
    return names;
}

} // namespace server::store
