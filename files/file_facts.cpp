// Moving, sizing and dating single files.
#include <ZetoCom.h>

#include <sys/utime.h>

#include <climits>

#include "file_handles.h"

static_assert(sizeof(__time32_t) == 4, "the exported times are the runtime's 32-bit time_t");

namespace {

bool FitsTime32(__time64_t time) {
    return time >= INT_MIN && time <= INT_MAX;
}

// _wstat64 (present in every msvcrt.dll) narrowed to the 32-bit-time record; a time outside the
// 32-bit range fails as the 32-bit runtime function does.
bool Stat32(LPCWSTR path, struct _stat32i64* info) {
    struct _stat64 wide;
    if (!path || _wstat64(path, &wide) != 0) return false;
    if (!FitsTime32(wide.st_atime) || !FitsTime32(wide.st_mtime) || !FitsTime32(wide.st_ctime)) return false;
    info->st_dev = wide.st_dev;
    info->st_ino = wide.st_ino;
    info->st_mode = wide.st_mode;
    info->st_nlink = wide.st_nlink;
    info->st_uid = wide.st_uid;
    info->st_gid = wide.st_gid;
    info->st_rdev = wide.st_rdev;
    info->st_size = wide.st_size;
    info->st_atime = static_cast<__time32_t>(wide.st_atime);
    info->st_mtime = static_cast<__time32_t>(wide.st_mtime);
    info->st_ctime = static_cast<__time32_t>(wide.st_ctime);
    return true;
}

}  // namespace

BOOL Cm_RenameDir(LPCWSTR oldPath, LPCWSTR newPath) {
    return MoveFileExW(oldPath, newPath, MOVEFILE_COPY_ALLOWED) ? TRUE : FALSE;
}

__int64 Cm_GetFileSize(LPCWSTR path) {
    zc::FileHandle file(CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return -1;
    LARGE_INTEGER size;
    return GetFileSizeEx(file.Get(), &size) ? size.QuadPart : -1;
}

__time32_t Cm_GetFileLtTime(LPCWSTR path) {
    struct _stat32i64 info;
    return Stat32(path, &info) ? info.st_mtime : 0;
}

BOOL Cm_GetFileInfo(LPCWSTR path, struct _stat32i64* info) {
    return info && Stat32(path, info) ? TRUE : FALSE;
}

BOOL Cm_SetFileTime(LPCWSTR path, __time32_t accessTime, __time32_t modificationTime) {
    struct __utimbuf32 times = {accessTime, modificationTime};
    return path && _wutime32(path, &times) == 0 ? TRUE : FALSE;
}
