// Device names behind drive letters, from mount records and Enum keys that each test writes into
// Wine's real registry and removes again.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cstring_print.h"

namespace {

const wchar_t kMounts[] = L"SYSTEM\\MountedDevices";
const wchar_t kEnum[] = L"SYSTEM\\CurrentControlSet\\Enum\\";

class DriveDeviceTest : public ::testing::Test {
protected:
    void TearDown() override {
        HKEY mounts;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMounts, 0, KEY_SET_VALUE, &mounts) == ERROR_SUCCESS) {
            for (const std::wstring& name : m_records) RegDeleteValueW(mounts, name.c_str());
            RegCloseKey(mounts);
        }
        for (auto it = m_links.rbegin(); it != m_links.rend(); ++it) DeleteLink(*it);
        for (auto it = m_keys.rbegin(); it != m_keys.rend(); ++it) {
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kEnum + *it).c_str());
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kEnum + *it).c_str());
        }
    }

    static bool EnumKeyExists(const std::wstring& path) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    // The mount record of a drive letter: UTF-16 text without a terminator, as binary data.
    void Mount(wchar_t letter, const std::wstring& record) {
        std::wstring name = std::wstring(L"\\DosDevices\\") + letter + L":";
        m_records.push_back(name);
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kMounts, name.c_str(), REG_BINARY, record.data(),
                                  static_cast<DWORD>(record.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    // A text value in an Enum key. The first key of the path that did not exist yet is removed, with
    // everything below it, after the test; keys the system had before are left alone.
    void EnumValue(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
        for (std::size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
            std::wstring part = path.substr(0, end);
            if (!EnumKeyExists(part)) {
                m_keys.push_back(part);
                break;
            }
            if (end == std::wstring::npos) break;
        }
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), name.c_str(), REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    // A device on a storage bus that names the volumes whose instance starts with the prefix.
    void StorageDevice(const std::wstring& path, const std::wstring& prefix, const std::wstring& name) {
        EnumValue(path, L"ParentIdPrefix", prefix);
        EnumValue(path, L"FriendlyName", name);
    }

    // A volume device behind the drive letter: its mount record and its class.
    void Volume(wchar_t letter, const std::wstring& instance, const wchar_t* cls = L"Volume") {
        Mount(letter, L"\\??\\ZCVOL#Volume#" + instance + L"#{x}");
        EnumValue(L"ZCVOL\\Volume\\" + instance, L"Class", cls);
    }

    // A device key that enumerates but cannot be opened: a link to a key that does not exist.
    bool BrokenDeviceKey(const std::wstring& path) {
        HKEY link;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE | REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS, nullptr, &link,
                            nullptr) != ERROR_SUCCESS)
            return false;
        m_links.push_back(path);
        const wchar_t target[] = L"\\Registry\\Machine\\Software\\ZetoComNoSuchKey";
        LONG set = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target),
                                  sizeof target - sizeof(wchar_t));
        RegCloseKey(link);
        HKEY probe;
        bool opens = RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS;
        if (opens) RegCloseKey(probe);
        return set == ERROR_SUCCESS && !opens;
    }

    static void DeleteLink(const std::wstring& path) {
        using NtDeleteKey = LONG(WINAPI*)(HANDLE);
        auto erase = reinterpret_cast<NtDeleteKey>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
        HKEY link;
        if (erase && RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), REG_OPTION_OPEN_LINK, DELETE, &link) ==
                         ERROR_SUCCESS) {
            erase(link);
            RegCloseKey(link);
        }
    }

    std::vector<std::wstring> m_records, m_keys, m_links;
};

TEST_F(DriveDeviceTest, PlainDeviceGivesItsFriendlyNameOrDescription) {
    Mount(L'P', L"\\??\\ZCTEST#Disk&Ven_Zeto&Prod_P#0001&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
    EnumValue(L"ZCTEST\\Disk&Ven_Zeto&Prod_P\\0001&0", L"FriendlyName", L"Zeto P Disk");
    EnumValue(L"ZCTEST\\Disk&Ven_Zeto&Prod_P\\0001&0", L"DeviceDesc", L"Disk drive");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Zeto P Disk"));

    Mount(L'R', L"\\??\\ZCTEST#Disk&Ven_Zeto&Prod_R#0002&0#{x}");
    EnumValue(L"ZCTEST\\Disk&Ven_Zeto&Prod_R\\0002&0", L"DeviceDesc", L"Disk drive R");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'R' - L'A'), CString(L"Disk drive R"));

    // A name of 128 characters does not fit the 256 bytes read, so the description stands in.
    Mount(L'S', L"\\??\\ZCTEST#Disk&Ven_Zeto&Prod_S#0003&0#{x}");
    EnumValue(L"ZCTEST\\Disk&Ven_Zeto&Prod_S\\0003&0", L"FriendlyName", std::wstring(128, L'n'));
    EnumValue(L"ZCTEST\\Disk&Ven_Zeto&Prod_S\\0003&0", L"DeviceDesc", L"Disk drive S");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'S' - L'A'), CString(L"Disk drive S"));
}

TEST_F(DriveDeviceTest, EveryPartButTheLastNamesTheKey) {
    Mount(L'P', L"\\??\\ZCTEST#Bus_Dev#Sub#0003&0#{x}");
    EnumValue(L"ZCTEST\\Bus_Dev\\Sub\\0003&0", L"FriendlyName", L"Four parts");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Four parts"));
    // The text ends at the first unit whose low byte is zero: the '#' behind it does not count, so
    // the key looked at is ZCTEST\Bus_Dev\Sub, which has no name.
    Mount(L'R', std::wstring(L"\\??\\ZCTEST#Bus_Dev#Sub#0003&0") + L'\x0100' + L"#{x}");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'R' - L'A').IsEmpty());
}

TEST_F(DriveDeviceTest, NameValuesReadAsTheyAre) {
    // A name that is there but empty is the answer; DeviceDesc is only the fallback for a missing one.
    Mount(L'P', L"\\??\\ZCTEST#Dev_E#1#{x}");
    EnumValue(L"ZCTEST\\Dev_E\\1", L"FriendlyName", L"");
    EnumValue(L"ZCTEST\\Dev_E\\1", L"DeviceDesc", L"Not asked for");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'P' - L'A').IsEmpty());
    // Neither name: the empty string, not the class text that was read on the way.
    Mount(L'R', L"\\??\\ZCTEST#Dev_N#2#{x}");
    EnumValue(L"ZCTEST\\Dev_N\\2", L"Class", L"DiskDrive");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'R' - L'A').IsEmpty());
}

TEST_F(DriveDeviceTest, VolumeOnNoKnownBusKeepsItsOwnDescription) {
    Volume(L'P', L"3&cc&0");
    EnumValue(L"ZCVOL\\Volume\\3&cc&0", L"DeviceDesc", L"Volume description");
    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoQ\\Q1", L"4&cc", L"Other device");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Volume description"));
    // The class compares case-sensitively: "volume" is not a volume, and its own name is used.
    Volume(L'R', L"4&cc&0", L"volume");
    EnumValue(L"ZCVOL\\Volume\\4&cc&0", L"FriendlyName", L"Lower-case class");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'R' - L'A'), CString(L"Lower-case class"));
}

TEST_F(DriveDeviceTest, UsbStorageIsSearchedBeforeUsb2Storage) {
    Volume(L'P', L"6&dd&0");
    StorageDevice(L"USB2STOR\\Disk&Ven_Two\\T1", L"6&dd", L"Second bus");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Second bus"));
    StorageDevice(L"USBSTOR\\Disk&Ven_One\\O1", L"6&dd&0", L"First bus");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"First bus"));
}

TEST_F(DriveDeviceTest, RecordsThatNameNoDevice) {
    Mount(L'P', L"DMIO:ID:\x1234\x5678");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'P' - L'A').IsEmpty()) << "no '#'";
    Mount(L'R', L"\\??\\ZCTEST#Nowhere#1#{x}");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'R' - L'A').IsEmpty()) << "no Enum key";
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(L'W' - L'A').IsEmpty()) << "no record";
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(-1).IsEmpty());
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(26).IsEmpty());
}

TEST_F(DriveDeviceTest, SlashInPlaceOfTheSecondBackslashIsTheSecondAttempt) {
    Mount(L'P', L"\\??\\ZCTEST#Dev_S#inst#{x}");
    EnumValue(L"ZCTEST\\Dev_S/inst", L"FriendlyName", L"Found with a slash");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Found with a slash"));
}

TEST_F(DriveDeviceTest, UsbVolumeNamesItsStorageDeviceByParentIdPrefix) {
    Volume(L'P', L"7&1a2b3c&0&RM");
    EnumValue(L"ZCVOL\\Volume\\7&1a2b3c&0&RM", L"FriendlyName", L"Generic volume");
    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoA\\A1", L"7&1A2B3C&0", L"Wrong case");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Generic volume")) << "the prefix is case-sensitive";

    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoB\\B1", L"7&1a2b3c&0", L"Zeto USB Device");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Zeto USB Device"));
}

TEST_F(DriveDeviceTest, EmptyPrefixMatchesAnyInstance) {
    Volume(L'P', L"8&ee&0");
    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoE\\E1", L"", L"Empty prefix device");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Empty prefix device"));
}

TEST_F(DriveDeviceTest, WholeInstanceIdAsPrefixOnTheIeee1394Bus) {
    Volume(L'P', L"9&ff&0&RM");
    StorageDevice(L"1394\\ZetoCam\\C1", L"9&ff&0&RM", L"Zeto 1394 Disk");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Zeto 1394 Disk"));
}

TEST_F(DriveDeviceTest, DeviceKeyThatCannotBeOpenedEndsTheBusSearch) {
    Volume(L'P', L"5&aa&0");
    EnumValue(L"ZCVOL\\Volume\\5&aa&0", L"FriendlyName", L"Own volume name");
    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoZ\\Z1", L"5&aa", L"Behind the broken key");
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Behind the broken key"));
    if (!BrokenDeviceKey(L"USBSTOR\\Disk&Ven_Broken"))
        GTEST_SKIP() << "this Wine cannot make a registry key that enumerates but does not open";
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"Own volume name"));
}

TEST_F(DriveDeviceTest, InstanceKeyThatCannotBeOpenedEndsOnlyItsDevice) {
    Volume(L'P', L"5&bb&0");
    EnumValue(L"ZCVOL\\Volume\\5&bb&0", L"FriendlyName", L"Own volume name");
    StorageDevice(L"USBSTOR\\Disk&Ven_ZetoY\\Y1", L"5&bb", L"On the next device");
    // The broken instance is listed first (keys enumerate in name order).
    if (!BrokenDeviceKey(L"USBSTOR\\Disk&Ven_Another\\A0"))
        GTEST_SKIP() << "this Wine cannot make a registry key that enumerates but does not open";
    EXPECT_EQ(Cm_GetDeviceNameFromDrive(L'P' - L'A'), CString(L"On the next device"));
}

}  // namespace
