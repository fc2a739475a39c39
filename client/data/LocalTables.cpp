#include "data/LocalTables.h"

#include "app/ClientLog.h"

#include <tinyxml.h>

#include <cstdlib>

USING_NS_CC;

namespace {

template <typename T> T* autoreleased(T* object) {
    object->autorelease();
    return object;
}

// The file through the search paths; false (and nothing read) when missing or malformed.
bool parse(const std::string& file, TiXmlDocument& document) {
    const std::string path = CCFileUtils::sharedFileUtils()->fullPathForFilename(file.c_str());
    unsigned long size = 0;
    unsigned char* bytes = CCFileUtils::sharedFileUtils()->getFileData(path.c_str(), "rb", &size);
    if (!bytes) {
        ClientLog::write("tables: %s cannot be read", file.c_str());
        return false;
    }
    std::string text(reinterpret_cast<const char*>(bytes), size);
    delete[] bytes;
    document.Parse(text.c_str());
    if (document.Error() || !document.RootElement()) {
        ClientLog::write("tables: %s does not parse (%s)", file.c_str(), document.ErrorDesc());
        return false;
    }
    return true;
}

int numberOf(const TiXmlElement* element) {
    const char* value = element->Attribute("num");
    return value ? std::atoi(value) : 0;
}

std::string nameOf(const TiXmlElement* element) {
    const char* value = element->Attribute("Name");
    return value ? value : "";
}

} // namespace

Day* Day::create(int num) {
    Day* day = autoreleased(new Day);
    day->setNum(num);
    return day;
}

Month* Month::create(int num) {
    Month* month = autoreleased(new Month);
    month->setNum(num);
    return month;
}

Month::~Month() {
    for (Day* day : m_days) day->release();
}

void Month::addDay(Day* day) {
    day->retain();
    m_days.push_back(day);
}

Cityatt* Cityatt::create(const std::string& name) {
    Cityatt* city = autoreleased(new Cityatt);
    city->setName(name);
    return city;
}

ProvinceAtt* ProvinceAtt::create(const std::string& name) {
    ProvinceAtt* province = autoreleased(new ProvinceAtt);
    province->setName(name);
    return province;
}

ProvinceAtt::~ProvinceAtt() {
    for (Cityatt* city : m_cities) city->release();
}

void ProvinceAtt::addCity(Cityatt* city) {
    city->retain();
    m_cities.push_back(city);
}

LocalTables& LocalTables::instance() {
    static LocalTables* tables = new LocalTables;
    return *tables;
}

template <typename T> void LocalTables::replace(std::vector<T*>& table, std::vector<T*> fresh) {
    for (T* item : table) item->release();
    table = std::move(fresh);
}

void LocalTables::reset() {
    replace(m_months, {});
    replace(m_provinces, {});
    m_selectedProvince = 0;
    m_selectedMonth = 0;
}

void LocalTables::loadMonths(const std::string& file) {
    TiXmlDocument document;
    if (!parse(file, document)) return;
    std::vector<Month*> fresh;
    for (const TiXmlElement* e = document.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (e->ValueStr() != "Month") continue;
        Month* month = Month::create(numberOf(e));
        for (const TiXmlElement* d = e->FirstChildElement(); d; d = d->NextSiblingElement()) {
            if (d->ValueStr() == "Day") month->addDay(Day::create(numberOf(d)));
        }
        ClientLog::write("tables: month %d with %d days", month->getNum(), static_cast<int>(month->days().size()));
        month->retain();
        fresh.push_back(month);
    }
    ClientLog::write("tables: %d months", static_cast<int>(fresh.size()));
    replace(m_months, std::move(fresh));
}

void LocalTables::loadProvinces(const std::string& file) {
    TiXmlDocument document;
    if (!parse(file, document)) return;
    std::vector<ProvinceAtt*> fresh;
    for (const TiXmlElement* e = document.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (e->ValueStr() != "Province") continue;
        ProvinceAtt* province = ProvinceAtt::create(nameOf(e));
        for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (c->ValueStr() == "City") province->addCity(Cityatt::create(nameOf(c)));
        }
        province->retain();
        fresh.push_back(province);
    }
    ClientLog::write("tables: %d provinces", static_cast<int>(fresh.size()));
    replace(m_provinces, std::move(fresh));
}
