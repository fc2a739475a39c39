#include "menu/CaidanFrames.h"

#include "app/ClientLog.h"

#include <cctype>
#include <cstdlib>

USING_NS_CC;

namespace {

// Each kind's frame prefix; kinds 1..14 at indices 0..13.
const char* const kPrefixes[] = {
    "caidan_mouse", "caidan_Cattle", "caidan_tiger",   "caidan_rabbit", "caidan_Loong",  "caidan_snake",
    "caidan_Horse", "caidan_Sheep",  "caidan_Monkey",  "caidan_Chicken", "caidan_dog",   "caidan_pig",
    "caidan_Carrot", "caidan_GoldCarrot",
};

// The frame numbers each kind plays.
const int kZodiacSteps[] = {1, 2, 3, 2};
const int kCarrotSteps[] = {1, 2, 3};

// Which frame numbers (1..3) of each kind are stored turned in the sheet, as bits 1 << number.
// The closing frame of the zodiac walk repeats frame 2 and so shares its mark.
int turnedFrames(int kind) {
    switch (kind) {
    case 1:
    case 2:
    case 8:
    case 12: return 1 << 2;
    case 6: return 1 << 1;
    case 10: return (1 << 1) | (1 << 2) | (1 << 3);
    case 11: return (1 << 2) | (1 << 3);
    default: return 0;
    }
}

// Reads one decimal number at text[pos], moving pos past it and any spaces around it.
bool readNumber(const std::string& text, std::size_t& pos, float* out) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const char* start = text.c_str() + pos;
    if (*start == '\0' || !(std::isdigit(static_cast<unsigned char>(*start)) || *start == '-' || *start == '+' ||
                            *start == '.')) {
        return false;
    }
    char* end = nullptr;
    const float value = std::strtof(start, &end);
    if (end == start) return false;
    pos += static_cast<std::size_t>(end - start);
    while (pos < text.size() && text[pos] == ' ') ++pos;
    *out = value;
    return true;
}

bool expect(const std::string& text, std::size_t& pos, char c) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

std::string textureNameOf(const PlistValue& sheet, const std::string& plist) {
    if (const PlistValue* meta = sheet.find("metadata")) {
        if (const PlistValue* name = meta->find("textureFileName")) {
            if (!name->text.empty()) return name->text;
        }
    }
    const std::size_t dot = plist.rfind('.');
    return (dot == std::string::npos ? plist : plist.substr(0, dot)) + ".png";
}

} // namespace

std::vector<std::string> CaidanFrames::animationNames(int kind) {
    std::vector<std::string> names;
    if (!isKnownKind(kind)) return names;
    const std::string prefix = kPrefixes[kind - 1];
    if (isZodiac(kind)) {
        for (int step : kZodiacSteps) names.push_back(prefix + std::to_string(step) + ".png");
    } else {
        for (int step : kCarrotSteps) names.push_back(prefix + std::to_string(step) + ".png");
    }
    return names;
}

bool CaidanFrames::isRotated(int kind, int step) {
    if (!isKnownKind(kind) || step < 0) return false;
    const int count = isZodiac(kind) ? 4 : 3;
    if (step >= count) return false;
    const int number = isZodiac(kind) ? kZodiacSteps[step] : kCarrotSteps[step];
    return (turnedFrames(kind) & (1 << number)) != 0;
}

std::string CaidanFrames::collectionPicture(int kind) {
    if (!isZodiac(kind)) return "";
    return std::string(kPrefixes[kind - 1]) + (kind == 6 ? "3.png" : "2.png");
}

bool CaidanFrames::parseRect(const std::string& text, CCRect* out) {
    std::size_t pos = 0;
    float v[4] = {};
    const bool ok = expect(text, pos, '{') && expect(text, pos, '{') && readNumber(text, pos, &v[0]) &&
                    expect(text, pos, ',') && readNumber(text, pos, &v[1]) && expect(text, pos, '}') &&
                    expect(text, pos, ',') && expect(text, pos, '{') && readNumber(text, pos, &v[2]) &&
                    expect(text, pos, ',') && readNumber(text, pos, &v[3]) && expect(text, pos, '}') &&
                    expect(text, pos, '}');
    while (ok && pos < text.size() && text[pos] == ' ') ++pos;
    if (!ok || pos != text.size() || v[0] < 0 || v[1] < 0 || v[2] <= 0 || v[3] <= 0) return false;
    if (out) *out = CCRectMake(v[0], v[1], v[2], v[3]);
    return true;
}

CCArray* CaidanFrames::cut(int kind, const std::string& plist) {
    const std::vector<std::string> names = animationNames(kind);
    if (names.empty()) {
        ClientLog::write("treasure: no figure for kind %d", kind);
        return nullptr;
    }
    PlistValue sheet;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(plist, sheet)) {
        ClientLog::write("treasure: sheet %s cannot be read", plist.c_str());
        return nullptr;
    }
    const PlistValue* frames = sheet.find("frames");
    if (frames == nullptr || !frames->isDict()) {
        ClientLog::write("treasure: sheet %s has no frames", plist.c_str());
        return nullptr;
    }
    const std::string textureName = textureNameOf(sheet, plist);
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(textureName.c_str());
    if (texture == nullptr) {
        ClientLog::write("treasure: sheet texture %s cannot be read", textureName.c_str());
        return nullptr;
    }
    CCArray* cutFrames = CCArray::create();
    for (std::size_t step = 0; step < names.size(); ++step) {
        const PlistValue* entry = frames->find(names[step]);
        const PlistValue* frameText = entry ? entry->find("frame") : nullptr;
        if (frameText == nullptr) {
            ClientLog::write("treasure: sheet %s has no frame %s", plist.c_str(), names[step].c_str());
            return nullptr;
        }
        CCRect rect;
        if (!parseRect(frameText->text, &rect)) {
            ClientLog::write("treasure: frame %s has a malformed rectangle \"%s\"", names[step].c_str(),
                             frameText->text.c_str());
            return nullptr;
        }
        const bool rotated = isRotated(kind, static_cast<int>(step));
        // A turned frame covers its height across the texture and its width down it.
        const float across = rotated ? rect.size.height : rect.size.width;
        const float down = rotated ? rect.size.width : rect.size.height;
        if (rect.origin.x + across > texture->getPixelsWide() || rect.origin.y + down > texture->getPixelsHigh()) {
            ClientLog::write("treasure: frame %s lies outside the sheet texture", names[step].c_str());
            return nullptr;
        }
        CCSpriteFrame* frame = CCSpriteFrame::createWithTexture(texture, rect, rotated, CCPointZero, rect.size);
        if (frame == nullptr) {
            ClientLog::write("treasure: frame %s cannot be cut", names[step].c_str());
            return nullptr;
        }
        cutFrames->addObject(frame);
    }
    return cutFrames;
}
