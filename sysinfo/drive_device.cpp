// The display name of the device behind a drive letter, from the mount records and the Enum keys
// the system keeps in the registry. For a volume on a USB or IEEE 1394 storage device, the name of
// that storage device.
#include <ZetoCom.h>

#include <cstring>
#include <string>

#include "../registry/registry_key.h"

namespace {

constexpr LPCSTR kEnumPattern = "SYSTEM\\CurrentControlSet\\Enum\\";
constexpr LPCSTR kBuses[] = {"USBSTOR", "USB2STOR", "1394"};

bool OpenEnumKey(const std::string& path, zc::RegKey& key) {
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kEnumPattern + path).c_str(), 0, KEY_READ, key.Receive()) ==
           ERROR_SUCCESS;
}

// A text value that fits in bytes (terminator included). False when it cannot be read; a value
// that is there but empty is read, as empty text.
bool ReadText(HKEY key, LPCWSTR name, DWORD bytes, CString& text) {
    wchar_t buffer[513] = {};
    DWORD size = bytes;
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    buffer[size / sizeof(wchar_t)] = 0;
    text = buffer;
    return true;
}

// The mount record of the drive narrowed to 8-bit text: the low byte of each unit.
std::string MountRecord(wchar_t letter) {
    zc::RegKey mounts;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\MountedDevices", 0, KEY_READ, mounts.Receive()) != ERROR_SUCCESS)
        return std::string();
    wchar_t name[] = L"\\DosDevices\\?:";
    name[12] = letter;
    wchar_t data[512] = {};
    DWORD size = 1022;
    if (RegQueryValueExW(mounts.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        size = 0;
    // The narrowed text ends at its first zero byte, also where a unit's low byte alone is zero.
    std::string text;
    for (DWORD i = 0; i < size / sizeof(wchar_t); ++i) {
        char narrow = static_cast<char>(data[i] & 0xFF);
        if (!narrow) break;
        text += narrow;
    }
    return text;
}

// Bus, device and instance joined by '\': the record's parts but the last, without the 4-character
// prefix in front of the bus name. Empty for a record without '#'.
std::string DevicePath(std::string record) {
    std::size_t last = record.rfind('#');
    if (last == std::string::npos) return std::string();
    for (char& c : record)
        if (c == '#') c = '\\';
    record.resize(last);
    return record.size() > 4 ? record.substr(4) : std::string();
}

// The FriendlyName of the first instance on the bus whose ParentIdPrefix starts the instance id.
// Empty when none matches, and when the matching instance has no readable name.
CString FindDeviceByParentPrefix(LPCSTR bus, const char* instanceId) {
    zc::RegKey busKey;
    if (!OpenEnumKey(bus, busKey)) return CString();
    wchar_t name[1024];
    for (DWORD d = 0;; ++d) {
        DWORD length = 1024;
        if (RegEnumKeyExW(busKey.Get(), d, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return CString();
        zc::RegKey device;
        if (RegOpenKeyExW(busKey.Get(), name, 0, KEY_READ, device.Receive()) != ERROR_SUCCESS) return CString();
        for (DWORD i = 0;; ++i) {
            length = 1024;
            if (RegEnumKeyExW(device.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            zc::RegKey instance;
            if (RegOpenKeyExW(device.Get(), name, 0, KEY_READ, instance.Receive()) != ERROR_SUCCESS) break;
            char prefix[1025] = {};
            DWORD size = 1024;
            if (RegQueryValueExA(instance.Get(), "ParentIdPrefix", nullptr, nullptr, reinterpret_cast<BYTE*>(prefix),
                                 &size) != ERROR_SUCCESS)
                continue;
            prefix[size] = 0;
            if (std::strncmp(instanceId, prefix, std::strlen(prefix)) == 0) {
                CString found;
                ReadText(instance.Get(), L"FriendlyName", 1024, found);
                return found;
            }
        }
    }
}

CString VolumeDevice(const std::string& path) {
    std::size_t slash = path.rfind('\\');
    CString instanceId(path.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
    // An id that does not convert would match only empty prefixes: no physical device then, and the
    // volume's own name is used.
    char* narrow = Cm_FromUnicode(instanceId);
    CString result;
    if (narrow && (*narrow || instanceId.IsEmpty()))
        for (LPCSTR bus : kBuses)
            if (result.IsEmpty()) result = FindDeviceByParentPrefix(bus, narrow);
    ::operator delete(narrow);
    return result;
}

}  // namespace

CString Cm_GetDeviceNameFromDrive(int nDrive) {
    if (nDrive < 0 || nDrive > 25) return CString();
    std::string path = DevicePath(MountRecord(static_cast<wchar_t>(L'A' + nDrive)));
    if (path.empty()) return CString();
    zc::RegKey key;
    if (!OpenEnumKey(path, key)) {
        std::size_t first = path.find('\\');
        std::size_t second = first == std::string::npos ? first : path.find('\\', first + 1);
        if (second == std::string::npos) return CString();
        path[second] = '/';
        if (!OpenEnumKey(path, key)) return CString();
    }
    CString result, deviceClass;
    if (ReadText(key.Get(), L"Class", 256, deviceClass) && deviceClass == L"Volume") result = VolumeDevice(path);
    // A key with neither name gives the empty string, never the class or the path looked at.
    if (result.IsEmpty() && !ReadText(key.Get(), L"FriendlyName", 256, result))
        ReadText(key.Get(), L"DeviceDesc", 256, result);
    return result;
}
