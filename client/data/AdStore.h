// The advertisements the player was shown, in SQLite ("Ad.db", table "Ad"). A record goes
// 0 shown -> 1 link opened -> 2 reported to the server; a new put of the same name returns it to 0.
// Values are always bound, never pasted into the SQL text.
#pragma once

#include <string>
#include <vector>

struct AdRecord {
    std::string name;
    int qsid = 0;
    int gameType = 0;
    int isTouch = 0;
};

class AdStore {
public:
    // Opens "Ad.db" in the engine's writable folder on first use.
    static AdStore& instance();

    explicit AdStore(std::string folder);
    // Moves the store to another folder and opens "Ad.db" there (the writable path changed).
    void setFolder(const std::string& folder);

    // Makes the table named after the file up to its first ".".
    void open(const std::string& fileName);
    // The numbers are decimal texts, as the callers have them.
    void put(const std::string& table, const std::string& name, const std::string& qsid,
             const std::string& gameType, const std::string& isTouch);
    void setTouchByName(const std::string& table, const std::string& name, const std::string& value);
    void setTouchByQuestion(const std::string& table, const std::string& qsid, const std::string& gameType,
                            const std::string& value);
    // Replaces the held list by the rows whose link was opened and not yet reported.
    void loadTouched();
    std::vector<AdRecord> records() const { return m_records; }

    const std::string& path() const { return m_path; }

private:
    std::string m_folder;
    std::string m_path;
    std::vector<AdRecord> m_records;
};
