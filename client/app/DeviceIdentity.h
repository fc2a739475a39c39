// The device text the server sees as "mac": adapter address, volume serial, disk serial.
#pragma once

#include <cstdint>
#include <string>

class DeviceIdentity {
public:
    // The three parts read from this machine, concatenated.
    static std::string read();

    // Twelve upper-case hex digits of the first non-loopback adapter; "" when none can be read.
    static std::string adapterAddress();
    // The root file system's id, as "%X%X" of its upper and lower 16 bits (no zero padding).
    static std::string volumeSerial();
    // The serial of the first disks the system lists (the last readable one wins); "" when none.
    static std::string diskSerial();

    static std::string formatAdapterAddress(const unsigned char (&bytes)[6]);
    static std::string formatVolumeSerial(std::uint32_t serial);
    // Trailing spaces of a disk's serial go; leading ones stay as the drive reports them.
    static std::string trimDiskSerial(std::string serial);
};
