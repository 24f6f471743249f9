// WM_DEVICECHANGE classified for the host: media or volumes arriving and leaving, with the drive
// letters concerned.
#include <ZetoCom.h>
#include <dbt.h>

namespace {

static_assert(sizeof(DEV_BROADCAST_VOLUME) == 20, "the volume record the system sends");

void FillDriveLetters(DWORD unitMask, unsigned short* drives) {
    for (int i = 0; i < 26; ++i) drives[i] = (unitMask >> i) & 1 ? static_cast<unsigned short>(L'A' + i) : L' ';
}

}  // namespace

int Cm_CheckInsOrEjtForDrive(UINT message, WPARAM wParam, LPARAM lParam, unsigned short* pszDrives) {
    if (message != WM_DEVICECHANGE || (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE)) return 0;
    const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(lParam);
    if (!volume || volume->dbcv_devicetype != DBT_DEVTYP_VOLUME) return 0;
    if (pszDrives) FillDriveLetters(volume->dbcv_unitmask, pszDrives);
    bool media = (volume->dbcv_flags & DBTF_MEDIA) != 0;
    if (wParam == DBT_DEVICEARRIVAL) return media ? 1 : 3;
    return media ? 2 : 4;
}
