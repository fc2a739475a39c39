#pragma once
// The two picker tables of the prize claim form: "date.xml" (months with their days) and
// "Province.xml" (provinces with their cities), in the element and attribute names the
// client's loader walks.
#include "core/Description.h"

#include <string>
#include <vector>

namespace brindle::assets {

struct ProvinceEntry {
    std::string name;
    std::vector<std::string> cities;
};

class CalendarTables {
public:
    // Twelve months; February has 29 days because the birthday picker knows no year.
    static std::string dateXml();

    // One line per province: its name, then its cities. Fails on an empty province or a
    // name given twice.
    static std::vector<ProvinceEntry> parseProvinces(const std::vector<DescriptionLine>& lines);
    static std::string provinceXml(const std::vector<ProvinceEntry>& provinces);
};

} // namespace brindle::assets
