// Device-change messages classified, and device names behind drive letters from registry records.
#include <ZetoCom.h>
#include <dbt.h>
#include <gtest/gtest.h>
#include <array>
using std::wstring;
// Arrival and removal of media or volumes with the 26 letters written afresh (no terminator); other
// messages, events and devices give 0 and leave the buffer alone.
TEST(DeviceChange, ClassifiesVolumeEventsAndWritesTheirLetters) {
    const wstring volume = L"  C E" + wstring(21, L' '), media = L"A" + wstring(24, L' ') + L"Z", none(27, L'#');
    const struct { UINT message; WPARAM event; DWORD type, mask; WORD flags; int kind; } rows[] = {
        {WM_DEVICECHANGE, DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, 0x14, 0, 3},
        {WM_DEVICECHANGE, DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, 0x02000001, DBTF_MEDIA, 1},
        {WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME, 0x02000001, DBTF_MEDIA | DBTF_NET, 2},
        {WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME, 0x14, DBTF_NET, 4},
        {WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_VOLUME, 0x14, DBTF_MEDIA, 0},
        {WM_PAINT, DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, 0x14, DBTF_MEDIA, 0},
        {WM_DEVICECHANGE, DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT, 0x14, DBTF_MEDIA, 0},
    };
    for (const auto& row : rows) {
        DEV_BROADCAST_VOLUME record = {sizeof record, row.type, 0, row.mask, row.flags};
        wstring drives = none;
        EXPECT_EQ(Cm_CheckInsOrEjtForDrive(row.message, row.event, LPARAM(&record),
                                           reinterpret_cast<unsigned short*>(&drives[0])), row.kind) << row.kind;
        EXPECT_EQ(drives, !row.kind ? none : (row.mask == 0x14 ? volume : media) + L'#') << row.kind;
    }
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0, nullptr), 0) << "no record";
}
const wstring kEnum = L"SYSTEM\\CurrentControlSet\\Enum\\";
const wchar_t kMounts[] = L"SYSTEM\\MountedDevices";
struct DriveDevice : ::testing::Test {  // Wine's test prefix has none of these buses
    std::vector<wstring> records, links;
    void TearDown() override {
        for (const wstring& name : records) RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMounts, name.c_str());
        auto erase = reinterpret_cast<LONG(WINAPI*)(HANDLE)>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
        HKEY link;  // a link goes by its own handle, not by its path
        for (const wstring& path : links)
            if (!RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), REG_OPTION_OPEN_LINK, DELETE, &link))
                erase(link), RegCloseKey(link);
        for (const wchar_t* bus : {L"ZCTEST", L"ZCVOL", L"USBSTOR", L"USB2STOR", L"1394"})
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kEnum + bus).c_str());
    }
    void Mount(wchar_t letter, const wstring& record) {  // UTF-16 without a terminator, as binary data
        records.push_back(wstring(L"\\DosDevices\\") + letter + L":");
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kMounts, records.back().c_str(), REG_BINARY, &record[0], record.size() * 2);
    }
    void Value(const wstring& path, const wchar_t* name, const wstring& text) {  // a text value in an Enum key
        ASSERT_FALSE(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), name, REG_SZ, text.c_str(),
                                     DWORD(text.size() * 2 + 2)));
    }
    void Volumes(const wstring& letters, const std::vector<wstring>& ids, const wchar_t* cls = L"Volume") {
        for (size_t i = 0; i < ids.size(); ++i) {
            Mount(letters[i], L"\\??\\ZCVOL#Volume#" + ids[i] + L"#{x}");
            Value(L"ZCVOL\\Volume\\" + ids[i], L"Class", cls);
            Value(L"ZCVOL\\Volume\\" + ids[i], L"FriendlyName", L"Own name");
        }
    }
    void Storage(std::initializer_list<std::array<const wchar_t*, 3>> devices) {  // path, ParentIdPrefix, name
        for (const auto& d : devices) Value(d[0], L"ParentIdPrefix", d[1]), Value(d[0], L"FriendlyName", d[2]);
    }
    bool Broken(const wstring& path) {  // a key that enumerates but does not open: a link to a missing key
        HKEY link;
        const wchar_t target[] = L"\\Registry\\Machine\\Software\\ZetoComNoSuchKey";
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE | REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS, nullptr, &link, nullptr))
            return false;
        links.push_back(path);
        const LONG set = RegSetKeyValueW(link, nullptr, L"SymbolicLinkValue", REG_LINK, target, sizeof target - 2);
        RegCloseKey(link);
        return !set && RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kEnum + path).c_str(), 0, KEY_READ, &link);
    }
    wstring Names(const wstring& letters) {  // the names behind the letters, joined by '|'
        wstring names;
        for (wchar_t letter : letters) names += L"|" + wstring(Cm_GetDeviceNameFromDrive(letter - L'A'));
        return names.substr(1);
    }
};
// The record's parts but the first four units and the last name the Enum key (a second try with '/'
// for the second '\'), its FriendlyName or else DeviceDesc, each read in 256 bytes.
TEST_F(DriveDevice, NamesTheDeviceOfTheMountRecordOrOfItsVolume) {
    const wstring tooLong(128, L'n');  // with its terminator more than 256 bytes: the description stands in
    const struct { wchar_t letter; const wchar_t* record; const wchar_t* key; const wchar_t* values[3]; } rows[] = {
        {L'F', L"\\??\\ZCTEST#Dev_F#1&0#{53f56307}", L"ZCTEST\\Dev_F\\1&0", {L"Zeto F", L"Disk F"}},
        {L'G', L"\\??\\ZCTEST#Dev_G#2#{x}", L"ZCTEST\\Dev_G\\2", {nullptr, L"Disk G"}},
        {L'H', L"\\??\\ZCTEST#Dev_H#3#{x}", L"ZCTEST\\Dev_H\\3", {L"", L"Not asked for"}},
        {L'I', L"\\??\\ZCTEST#Dev_I#4#{x}", L"ZCTEST\\Dev_I\\4", {nullptr, nullptr, L"DiskDrive"}},
        {L'J', L"\\??\\ZCTEST#Bus#Sub#0003&0#{x}", L"ZCTEST\\Bus\\Sub\\0003&0", {L"Four parts"}},
        {L'K', L"\\??\\ZCTEST#Bus#Sub#0003&0\x0100#{x}", nullptr, {}},  // the narrowed text ends at a zero low byte
        {L'L', L"\\??\\ZCTEST#Dev_L#inst#{x}", L"ZCTEST\\Dev_L/inst", {L"With a slash"}},
        {L'M', L"\\??\\ZCTEST#Nowhere#1#{x}", nullptr, {}},
        {L'N', L"DMIO:ID:\x1234\x5678", nullptr, {}},
        {L'O', L"\\??\\ZCTEST#Dev_O#5#{x}", L"ZCTEST\\Dev_O\\5", {tooLong.c_str(), L"Disk O"}},
    };
    const wchar_t* names[] = {L"FriendlyName", L"DeviceDesc", L"Class"};
    for (const auto& row : rows) {
        Mount(row.letter, row.record);
        for (int i = 0; row.key && i < 3; ++i)
            if (row.values[i]) Value(row.key, names[i], row.values[i]);
    }
    EXPECT_EQ(Names(L"FGHIJKLMNOW"), L"Zeto F|Disk G|||Four parts||With a slash|||Disk O|");
    EXPECT_TRUE(Cm_GetDeviceNameFromDrive(-1).IsEmpty() && Cm_GetDeviceNameFromDrive(26).IsEmpty());
    // A volume (class "Volume", case and all) is named by the first instance on USBSTOR, USB2STOR, then 1394
    // whose ParentIdPrefix starts its instance id, case-sensitively; by its own name when none does. A device
    // key that does not open ends the search of its bus, an instance key only that of its device.
    Volumes(L"PRSTU", {L"3&cc&0", L"7&1a2b3c&0&RM", L"6&dd&0", L"6&dd&1", L"9&ff&0&RM"});
    Volumes(L"Q", {L"4&cc&0"}, L"volume");
    Storage({{L"USBSTOR\\Z1\\1", L"7&1A2B3C&0", L"Wrong case"}, {L"USBSTOR\\Z2\\1", L"7&1a2b3c&0", L"Zeto USB"},
             {L"USBSTOR\\Z3\\1", L"4&cc", L"Not a volume"}, {L"USBSTOR\\Z4\\1", L"6&dd&0", L"First bus"},
             {L"USB2STOR\\Two\\1", L"6&dd", L"Second bus"}, {L"1394\\Cam\\1", L"9&ff&0&RM", L"Zeto 1394"}});
    EXPECT_EQ(Names(L"PQRSTU"), L"Own name|Own name|Zeto USB|First bus|Second bus|Zeto 1394");
    if (!Broken(L"USBSTOR\\B\\0"))  // listed first: keys enumerate in name order
        GTEST_SKIP() << "this Wine cannot make a registry key that enumerates but does not open";
    EXPECT_EQ(Names(L"RS"), L"Zeto USB|First bus") << "after a broken instance";
    ASSERT_TRUE(Broken(L"USBSTOR\\C"));
    EXPECT_EQ(Names(L"RST"), L"Own name|Second bus|Second bus") << "after a broken device";
    Storage({{L"1394\\Any\\1", L"", L"Empty prefix"}});
    EXPECT_EQ(Names(L"PRU"), L"Empty prefix|Empty prefix|Empty prefix");
}
