// Existence checks and deletion, each reporting a failure through the standard error box when
// the caller asks for it.
#include <ZetoCom.h>

#include <shlwapi.h>

namespace {

// The BOOL of a platform call; a failure is shown (last error, unless 0) when report is set.
BOOL Checked(BOOL succeeded, BOOL report) {
    if (succeeded) return TRUE;
    if (report) Cm_ErrorMessage(-1, 0);
    return FALSE;
}

}  // namespace

BOOL Cm_FileExistCheck(LPCWSTR path, BOOL report) {
    return Checked(PathFileExistsW(path), report);
}

BOOL Cm_CheckDirectory(LPCWSTR path, BOOL report) {
    // PathIsDirectoryW gives FILE_ATTRIBUTE_DIRECTORY (or a share's nonzero flag), not 1.
    return Checked(PathIsDirectoryW(path) ? TRUE : FALSE, report);
}

BOOL Cm_RemoveFile(LPCWSTR path, BOOL report) {
    return Checked(DeleteFileW(path), report);
}
