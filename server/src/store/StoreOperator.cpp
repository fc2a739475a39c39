#include "store/StoreOperator.h"

#include "app/ServerConfig.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"
#include "store/OrderBook.h"
#include "commands/PlainText.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace server::store {

namespace {

std::string when(std::int64_t ms) {
    const auto t = contests::ContestClock::local(ms);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

} // namespace

int runOrderCommand(const OrderCommand& command, const ServerConfig& config, std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (!Storage::isPostgresTarget(config.dbPath) &&
        !std::filesystem::is_regular_file(config.dbPath, error)) {
        err << "brindle-server: no database at " << config.dbPath << "\n";
        return 2;
    }
    Storage storage(config.dbPath);
    PlayerStore players(storage);
    CatalogueStore catalogue(storage);
    OrderBook book(storage, players, catalogue);
    if (command.kind == OrderCommand::Kind::List) {
        // Stored texts hold no tabs or line breaks (the form refuses control characters), so a
        // line is one order and a tab one column.
        for (const auto& o : book.all(!command.all)) {
            out << o.id << '\t' << when(o.atMs) << '\t' << o.player << '\t' << o.goods << '\t' << o.goodsName << '\t'
                << o.count << '\t' << o.state << '\t' << o.delivery.tel << '\t' << o.delivery.name << '\t'
                << o.delivery.addr << '\t' << o.delivery.message << '\t' << o.code << '\n';
        }
        return 0;
    }
    int id = 0;
    const auto& text = command.orderId;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (ec != std::errc() || end != text.data() + text.size() || id < 1) {
        err << "brindle-server: order-sent needs an order id, not \"" << text << "\"\n";
        return 2;
    }
    if (command.code.size() > 100 || !isPlainText(command.code)) {
        err << "brindle-server: --code must be at most 100 bytes of text without control characters\n";
        return 2;
    }
    if (!book.markSent(id, command.code, contests::ContestClock::nowMs(config))) {
        err << "brindle-server: no waiting order " << id << "\n";
        return 1;
    }
    out << "order " << id << " marked sent\n";
    return 0;
}

} // namespace server::store
