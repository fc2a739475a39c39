#include "data/AdStore.h"

#include "app/ClientLog.h"
#include "app/ResourceFiles.h"

#include <sqlite3.h>

#include <cctype>
#include <charconv>
#include <functional>
#include <optional>

namespace {

// Table names cannot be bound; only plain identifiers are accepted.
bool isIdentifier(const std::string& name) {
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) {
        return false;
    }
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
            return false;
        }
    }
    return true;
}

std::optional<long long> decimal(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

using Binder = std::function<void(sqlite3_stmt*)>;
using RowReader = std::function<void(sqlite3_stmt*)>;

// Opens the file, runs one statement, closes. Errors are logged and otherwise ignored.
bool runStatement(const std::string& path, const std::string& sql, const Binder& bind = {},
                  const RowReader& row = {}) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        ClientLog::write("AdStore: cannot open %s: %s", path.c_str(), db ? sqlite3_errmsg(db) : "no memory");
        sqlite3_close(db);
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK;
    if (ok) {
        if (bind) {
            bind(statement);
        }
        int step;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            if (row) {
                row(statement);
            }
        }
        ok = step == SQLITE_DONE;
    }
    if (!ok) {
        ClientLog::write("AdStore: \"%s\" failed: %s", sql.c_str(), sqlite3_errmsg(db));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

std::string columnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

} // namespace

AdStore& AdStore::instance() {
    static AdStore* store = [] {
        auto* created = new AdStore(ResourceFiles::writablePath());
        created->open("Ad.db");
        return created;
    }();
    return *store;
}

AdStore::AdStore(std::string folder) : m_folder(std::move(folder)) {}

void AdStore::setFolder(const std::string& folder) {
    m_folder = folder;
    m_records.clear();
    open("Ad.db");
}

void AdStore::open(const std::string& fileName) {
    m_path = m_folder + fileName;
    const std::string table = fileName.substr(0, fileName.find('.'));
    if (!isIdentifier(table)) {
        ClientLog::write("AdStore: table name %s refused", table.c_str());
        return;
    }
    runStatement(m_path, "create table if not exists " + table +
                             "( name text primary key,  qsid int,  gameType int , isTouch int)");
}

void AdStore::put(const std::string& table, const std::string& name, const std::string& qsid,
                  const std::string& gameType, const std::string& isTouch) {
    const auto q = decimal(qsid), g = decimal(gameType), t = decimal(isTouch);
    if (!isIdentifier(table) || !q || !g || !t) {
        ClientLog::write("AdStore: put of %s refused (table %s, numbers %s %s %s)", name.c_str(), table.c_str(),
                         qsid.c_str(), gameType.c_str(), isTouch.c_str());
        return;
    }
    runStatement(m_path, "replace into " + table + " values(?1, ?2, ?3, ?4)", [&](sqlite3_stmt* s) {
        sqlite3_bind_text(s, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(s, 2, *q);
        sqlite3_bind_int64(s, 3, *g);
        sqlite3_bind_int64(s, 4, *t);
    });
}

void AdStore::setTouchByName(const std::string& table, const std::string& name, const std::string& value) {
    const auto v = decimal(value);
    if (!isIdentifier(table) || !v) {
        ClientLog::write("AdStore: touch of %s refused", name.c_str());
        return;
    }
    runStatement(m_path, "update " + table + " set isTouch=?1 where name = ?2", [&](sqlite3_stmt* s) {
        sqlite3_bind_int64(s, 1, *v);
        sqlite3_bind_text(s, 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    });
}

void AdStore::setTouchByQuestion(const std::string& table, const std::string& qsid, const std::string& gameType,
                                 const std::string& value) {
    const auto q = decimal(qsid), g = decimal(gameType), v = decimal(value);
    if (!isIdentifier(table) || !q || !g || !v) {
        ClientLog::write("AdStore: touch of question %s refused", qsid.c_str());
        return;
    }
    runStatement(m_path, "update " + table + " set isTouch=?1 where qsid = ?2 and gameType = ?3",
                 [&](sqlite3_stmt* s) {
                     sqlite3_bind_int64(s, 1, *v);
                     sqlite3_bind_int64(s, 2, *q);
                     sqlite3_bind_int64(s, 3, *g);
                 });
}

void AdStore::loadTouched() {
    // Emptied first: the list is reported after every login, and old rows must not go twice.
    m_records.clear();
    runStatement(m_path, "select * from Ad where isTouch = 1", {}, [this](sqlite3_stmt* s) {
        m_records.push_back({columnText(s, 0), sqlite3_column_int(s, 1), sqlite3_column_int(s, 2),
                             sqlite3_column_int(s, 3)});
    });
}
