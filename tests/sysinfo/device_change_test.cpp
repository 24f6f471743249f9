// WM_DEVICECHANGE records as the system sends them, classified.
#include <ZetoCom.h>
#include <dbt.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Event {
    DEV_BROADCAST_VOLUME volume = {sizeof(DEV_BROADCAST_VOLUME), DBT_DEVTYP_VOLUME, 0, 0, 0};
    Event(DWORD mask, WORD flags) {
        volume.dbcv_unitmask = mask;
        volume.dbcv_flags = flags;
    }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(&volume); }
};

std::wstring Letters(const unsigned short* drives) { return std::wstring(drives, drives + 26); }

TEST(DeviceChange, ArrivalAndRemovalOfMediaAndVolumes) {
    unsigned short drives[27];
    drives[26] = 0x7777;
    Event volume(0x14, 0);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, volume.Param(), drives), 3);
    EXPECT_EQ(Letters(drives), L"  C E" + std::wstring(21, L' '));
    EXPECT_EQ(drives[26], 0x7777) << "no terminator is written";

    Event media(0x02000001, DBTF_MEDIA);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, media.Param(), drives), 1);
    EXPECT_EQ(Letters(drives), L"A" + std::wstring(24, L' ') + L"Z");
    for (auto& unit : drives) unit = L'#';  // each call writes all 26 letters afresh
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, media.Param(), drives), 2);
    EXPECT_EQ(Letters(drives), L"A" + std::wstring(24, L' ') + L"Z");
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, volume.Param(), drives), 4);
    EXPECT_EQ(Letters(drives), L"  C E" + std::wstring(21, L' '));
    // The media bit decides, whatever other flag bits come with it.
    Event network(0x04, DBTF_MEDIA | DBTF_NET);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, network.Param(), drives), 1);
    Event netOnly(0x04, DBTF_NET);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, netOnly.Param(), drives), 3);
}

TEST(DeviceChange, OtherMessagesEventsAndDevicesLeaveTheBufferAlone) {
    unsigned short drives[26];
    for (auto& unit : drives) unit = L'#';
    Event volume(0x04, DBTF_MEDIA);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, volume.Param(), drives), 0);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_PAINT, DBT_DEVICEARRIVAL, volume.Param(), drives), 0);
    Event port(0x04, 0);
    port.volume.dbcv_devicetype = DBT_DEVTYP_PORT;
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, port.Param(), drives), 0);
    EXPECT_EQ(Cm_CheckInsOrEjtForDrive(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0, drives), 0);
    EXPECT_EQ(Letters(drives), std::wstring(26, L'#'));
}

}  // namespace
