// The birthday and address pickers' tables, read from "date.xml" and "Province.xml", and the two
// selections that tie each dependent picker (days, cities) to the one before it.
#pragma once

#include "cocos2d.h"

#include <string>
#include <vector>

class Day : public cocos2d::CCObject {
public:
    static Day* create(int num);
    virtual int getNum() const { return m_num; }
    virtual void setNum(int num) { m_num = num; }

private:
    int m_num = 0;
};

class Month : public cocos2d::CCObject {
public:
    static Month* create(int num);
    ~Month() override;
    virtual int getNum() const { return m_num; }
    virtual void setNum(int num) { m_num = num; }
    // Retains the day.
    void addDay(Day* day);
    const std::vector<Day*>& days() const { return m_days; }

private:
    int m_num = 0;
    std::vector<Day*> m_days;
};

class Cityatt : public cocos2d::CCObject {
public:
    static Cityatt* create(const std::string& name);
    virtual const std::string& getName() const { return m_name; }
    virtual void setName(const std::string& name) { m_name = name; }

private:
    std::string m_name;
};

class ProvinceAtt : public cocos2d::CCObject {
public:
    static ProvinceAtt* create(const std::string& name);
    ~ProvinceAtt() override;
    virtual const std::string& getName() const { return m_name; }
    virtual void setName(const std::string& name) { m_name = name; }
    void addCity(Cityatt* city);
    const std::vector<Cityatt*>& cities() const { return m_cities; }

private:
    std::string m_name;
    std::vector<Cityatt*> m_cities;
};

class LocalTables {
public:
    static LocalTables& instance();

    // Re-read the file; a missing or malformed file keeps the table held so far.
    void loadMonths(const std::string& file = "date.xml");
    void loadProvinces(const std::string& file = "Province.xml");

    const std::vector<Month*>& months() const { return m_months; }
    const std::vector<ProvinceAtt*>& provinces() const { return m_provinces; }

    void setSelectedProvince(int index) { m_selectedProvince = index; }
    int selectedProvince() const { return m_selectedProvince; }
    void setSelectedMonth(int index) { m_selectedMonth = index; }
    int selectedMonth() const { return m_selectedMonth; }

    // Empty tables, selections 0 (tests).
    void reset();

private:
    LocalTables() = default;
    template <typename T> static void replace(std::vector<T*>& table, std::vector<T*> fresh);

    std::vector<Month*> m_months;
    std::vector<ProvinceAtt*> m_provinces;
    int m_selectedProvince = 0;
    int m_selectedMonth = 0;
};
