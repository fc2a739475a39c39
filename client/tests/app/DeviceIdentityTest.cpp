#include "app/DeviceIdentity.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

TEST(DeviceIdentity, VolumeSerialHalvesAreNotPadded) {
    struct Case {
        std::uint32_t serial;
        const char* text;
    };
    const Case cases[] = {
        {0x0A0B0C0D, "A0BC0D"}, {0x00000000, "00"}, {0xFFFFFFFF, "FFFFFFFF"}, {0x00010002, "12"},
        {0x12340000, "12340"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceIdentity::formatVolumeSerial(c.serial), c.text);
    }
}

TEST(DeviceIdentity, AdapterAddressIsTwelveUpperCaseDigits) {
    const unsigned char bytes[6] = {0x00, 0x1a, 0x2B, 0xc3, 0xff, 0x09};
    EXPECT_EQ(DeviceIdentity::formatAdapterAddress(bytes), "001A2BC3FF09");
}

TEST(DeviceIdentity, DiskSerialLosesOnlyTrailingSpaces) {
    EXPECT_EQ(DeviceIdentity::trimDiskSerial("  WD-123   "), "  WD-123");
    EXPECT_EQ(DeviceIdentity::trimDiskSerial("    "), "");
    EXPECT_EQ(DeviceIdentity::trimDiskSerial("S3Z\n"), "S3Z");
}

TEST(DeviceIdentity, ThisMachinesTextKeepsItsForm) {
    const std::string adapter = DeviceIdentity::adapterAddress();
    EXPECT_TRUE(adapter.empty() || adapter.size() == 12) << adapter;
    for (char c : adapter) {
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << adapter;
    }
    const std::string volume = DeviceIdentity::volumeSerial();
    EXPECT_LE(volume.size(), 8u);
    // With no adapter the text starts with the volume serial.
    EXPECT_EQ(DeviceIdentity::read().rfind(adapter + volume, 0), 0u);
}

} // namespace
