// The engine's user defaults as the game uses them. Every write is flushed.
#pragma once

#include <string>

namespace settings {
constexpr const char* kEffect = "Effect";
constexpr const char* kMusic = "Music";
constexpr const char* kRememberPassword = "bRememberPwd";
constexpr const char* kRegisteredPlayer = "isRegisterPlayer";
constexpr const char* kUserName = "userName";
constexpr const char* kPassword = "pwd";
constexpr const char* kInputContinue = "inputContinue";
} // namespace settings

class StoredSettings {
public:
    static void storeUserName(const std::string& name);
    static void storePassword(const std::string& password);
    static std::string storedUserName();
    // MD5 of the stored password as 32 upper-case hex digits; the empty text has its digest too.
    static std::string storedPasswordDigest();

    static bool readBool(const char* key, bool fallback);
    static void writeBool(const char* key, bool value);
    // The key "<name>_hadGuide" of a newbie guide.
    static std::string guideKey(const std::string& guideName);
};
