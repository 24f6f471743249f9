// Label, file system, serial number, component length and flags of a volume.
#include <ZetoCom.h>

static_assert(sizeof(CmVolumeInfo) == 2 * 1024 * sizeof(wchar_t) + 3 * sizeof(DWORD), "the volume record");

// A volume the system cannot describe gives an all-zero record: empty names, serial 0.
CmVolumeInfo Cm_GetVolumeInfo(const wchar_t* pszRoot) {
    CmVolumeInfo info = {};
    if (!GetVolumeInformationW(pszRoot, info.szVolumeName, 1024, &info.dwVolumeSerialNumber,
                               &info.dwMaximumComponentLength, &info.dwFileSystemFlags, info.szFileSystemName, 1024))
        info = CmVolumeInfo{};
    return info;
}
