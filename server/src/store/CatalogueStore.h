// The catalogue in the database: the seed's categories and goods, with the live stock. A seed
// read at start replaces texts, prices and order but never the stock of an item already stored;
// an item gone from the seed stays for the orders that name it but is no longer offered.
#pragma once

#include "store/StoreCatalogue.h"

#include <optional>
#include <vector>

namespace server {
class Storage;
}

namespace server::store {

class CatalogueStore {
public:
    explicit CatalogueStore(Storage& storage); // creates or migrates the store tables

    // The seed into the database, in one transaction.
    void apply(const StoreCatalogue& seed);

    // The page's categories in catalogue order, each with its offered goods in order.
    std::vector<Category> page(Page page);
    // An offered item with its live stock; nothing for an unknown or withdrawn id.
    std::optional<Goods> find(int goodsId);
    // Every picture an offered item names.
    std::vector<std::string> pictures();

private:
    Storage& m_storage;
};

} // namespace server::store
