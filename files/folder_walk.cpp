// Depth-first count of a folder tree's files and folders and of the storage its files occupy.
#include <ZetoCom.h>

#include <cwchar>

#include "file_handles.h"

namespace {

struct Totals {
    DWORD* files;
    DWORD* folders;
    __int64* bytes;
};

__int64 Join64(DWORD high, DWORD low) {
    return static_cast<__int64>((static_cast<unsigned __int64>(high) << 32) | low);
}

// The storage a file occupies (its compressed or allocated size), the listed size when the low
// part is genuinely 0xFFFFFFFF, and 0 when it cannot be read.
__int64 StorageSize(const CString& path, const WIN32_FIND_DATAW& entry) {
    DWORD high = 0;
    SetLastError(0);
    DWORD low = GetCompressedFileSizeW(path, &high);
    if (low != INVALID_FILE_SIZE) return Join64(high, low);
    if (GetLastError() == 0) return Join64(entry.nFileSizeHigh, entry.nFileSizeLow);
    return 0;
}

bool IsDotEntry(const wchar_t* name) {
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// A folder reached through a junction or a symbolic link is counted but not walked: a link back
// to an ancestor would otherwise make the walk endless.
bool IsLinkedFolder(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void Walk(const CString& folder, const Totals& totals) {
    WIN32_FIND_DATAW entry;
    zc::FindHandle find(FindFirstFileW(folder + L"\\*.*", &entry));
    if (!find.Valid()) return;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        CString path = folder + L"\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsLinkedFolder(entry)) Walk(path, totals);
            ++*totals.folders;
        } else {
            *totals.bytes += StorageSize(path, entry);
            ++*totals.files;
        }
    } while (FindNextFileW(find.Get(), &entry));
}

}  // namespace

void Cm_SearchFolder(CString folder, DWORD* files, DWORD* folders, __int64* bytes) {
    if (!files || !folders || !bytes) return;
    Walk(folder, Totals{files, folders, bytes});
}
