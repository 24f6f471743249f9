// One folder's entries that match a wildcard pattern, as full paths appended to a CStringList.
#include <ZetoCom.h>

#include <io.h>

#include "file_handles.h"

namespace {

// folder, a backslash unless the folder is empty or already ends in one, then name; the result
// is cut at MAX_PATH - 1 units.
void JoinPath(LPCWSTR folder, LPCWSTR name, wchar_t (&buffer)[MAX_PATH]) {
    lstrcpynW(buffer, folder, MAX_PATH);
    if (Cm_PathAddBackslash(buffer)) {
        int used = lstrlenW(buffer);
        lstrcpynW(buffer + used, name, MAX_PATH - used);
    }
}

}  // namespace

BOOL Cm_FileSearch(LPCWSTR folder, LPCWSTR pattern, CStringList* list, BOOL includeFolders) {
    if (!folder || !pattern || !list) return FALSE;
    const unsigned excluded = _A_HIDDEN | _A_SYSTEM | (includeFolders ? 0 : _A_SUBDIR);

    wchar_t query[MAX_PATH];
    JoinPath(folder, pattern, query);
    struct _wfinddata_t entry;
    zc::CrtFindHandle find(_wfindfirst(query, &entry));
    if (!find.Valid()) return FALSE;

    BOOL appended = FALSE;
    do {
        if (entry.attrib & excluded) continue;
        wchar_t path[MAX_PATH];
        JoinPath(folder, entry.name, path);
        list->AddTail(CString(path));
        appended = TRUE;
    } while (_wfindnext(find.Get(), &entry) == 0);
    return appended;
}
