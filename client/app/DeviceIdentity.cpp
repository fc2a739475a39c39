#include "app/DeviceIdentity.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <sys/statvfs.h>
#include <vector>

std::string DeviceIdentity::formatAdapterAddress(const unsigned char (&b)[6]) {
    char text[13];
    std::snprintf(text, sizeof(text), "%02X%02X%02X%02X%02X%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

std::string DeviceIdentity::formatVolumeSerial(std::uint32_t serial) {
    char text[9];
    std::snprintf(text, sizeof(text), "%X%X", static_cast<unsigned>(serial >> 16),
                  static_cast<unsigned>(serial & 0xFFFF));
    return text;
}

std::string DeviceIdentity::trimDiskSerial(std::string serial) {
    while (!serial.empty() && (serial.back() == ' ' || serial.back() == '\n' || serial.back() == '\0')) {
        serial.pop_back();
    }
    return serial;
}

std::string DeviceIdentity::adapterAddress() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return "";
    }
    std::string result;
    for (ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
        if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_PACKET || (it->ifa_flags & IFF_LOOPBACK)) {
            continue;
        }
        const auto* link = reinterpret_cast<const sockaddr_ll*>(it->ifa_addr);
        if (link->sll_halen != 6) {
            continue;
        }
        unsigned char bytes[6];
        std::copy(link->sll_addr, link->sll_addr + 6, bytes);
        result = formatAdapterAddress(bytes);
        break;
    }
    ::freeifaddrs(list);
    return result;
}

std::string DeviceIdentity::volumeSerial() {
    struct statvfs info {};
    if (::statvfs("/", &info) != 0) {
        return "";
    }
    // The id is wider than the 32-bit serial the text was made for; fold it.
    const auto id = static_cast<std::uint64_t>(info.f_fsid);
    return formatVolumeSerial(static_cast<std::uint32_t>(id ^ (id >> 32)));
}

std::string DeviceIdentity::diskSerial() {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<std::string> disks;
    for (const auto& entry : fs::directory_iterator("/sys/block", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("loop", 0) == 0 || name.rfind("ram", 0) == 0 || name.rfind("dm-", 0) == 0 ||
            name.rfind("zram", 0) == 0) {
            continue;
        }
        disks.push_back(name);
    }
    std::sort(disks.begin(), disks.end());
    if (disks.size() > 4) {
        disks.resize(4);
    }
    std::string serial;
    for (const std::string& disk : disks) {
        std::ifstream file("/sys/block/" + disk + "/device/serial");
        std::string text;
        if (file && std::getline(file, text)) {
            text = trimDiskSerial(text);
            if (!text.empty()) {
                serial = text.substr(0, 20);
            }
        }
    }
    return serial;
}

std::string DeviceIdentity::read() { return adapterAddress() + volumeSerial() + diskSerial(); }
