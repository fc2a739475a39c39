#include "data/CalendarTables.h"

#include "data/XmlText.h"

#include <set>

namespace brindle::assets {

std::string CalendarTables::dateXml()
{
    static const int kDays[12] = { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Date>\n";
    for (int month = 1; month <= 12; ++month) {
        xml += "  <Month num=\"" + std::to_string(month) + "\">\n";
        for (int day = 1; day <= kDays[month - 1]; ++day)
            xml += "    <Day num=\"" + std::to_string(day) + "\"/>\n";
        xml += "  </Month>\n";
    }
    xml += "</Date>\n";
    return xml;
}

std::vector<ProvinceEntry> CalendarTables::parseProvinces(const std::vector<DescriptionLine>& lines)
{
    std::vector<ProvinceEntry> provinces;
    std::set<std::string> seen;
    for (const DescriptionLine& line : lines) {
        if (!line.args.empty())
            line.fail("province lines hold names only");
        ProvinceEntry entry;
        entry.name = line.word(0, "province name");
        if (line.words.size() < 2)
            line.fail("province '" + entry.name + "' lists no city");
        if (!seen.insert(entry.name).second)
            line.fail("province '" + entry.name + "' is listed twice");
        std::set<std::string> cities;
        for (size_t i = 1; i < line.words.size(); ++i) {
            if (!cities.insert(line.words[i]).second)
                line.fail("city '" + line.words[i] + "' is listed twice in " + entry.name);
            entry.cities.push_back(line.words[i]);
        }
        provinces.push_back(std::move(entry));
    }
    return provinces;
}

std::string CalendarTables::provinceXml(const std::vector<ProvinceEntry>& provinces)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<China>\n";
    for (const ProvinceEntry& province : provinces) {
        xml += "  <Province Name=\"" + xmlEscape(province.name) + "\">\n";
        for (const std::string& city : province.cities)
            xml += "    <City Name=\"" + xmlEscape(city) + "\"/>\n";
        xml += "  </Province>\n";
    }
    xml += "</China>\n";
    return xml;
}

} // namespace brindle::assets
