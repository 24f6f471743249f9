// In-place path surgery and path inspection, each a thin wrapper over the shell's light-weight
// path utilities. Buffers changed in place hold MAX_PATH units. A null path is no path: nothing is
// changed, and the answer is FALSE or null.
#include <ZetoCom.h>

#include <shlwapi.h>

BOOL Cm_CheckUNC(LPCWSTR path) {
    return path && PathIsUNCW(path) ? TRUE : FALSE;
}

LPWSTR Cm_PathAddBackslash(LPWSTR path) {
    if (!path) return nullptr;
    // Some shlwapi versions still append to a path of MAX_PATH - 1 characters, writing the NUL
    // one unit past the buffer: a path that full is refused here, as the documented function
    // does, unless it already ends in a backslash and needs nothing.
    int length = lstrlenW(path);
    if (length >= MAX_PATH || (length == MAX_PATH - 1 && path[length - 1] != L'\\')) return nullptr;
    return PathAddBackslashW(path);
}

void Cm_StripPath(LPWSTR path) {
    if (path) PathStripPathW(path);
}

BOOL Cm_RemoveFileSpec(LPWSTR path) {
    return path && PathRemoveFileSpecW(path) ? TRUE : FALSE;
}

void Cm_RemoveExtension(LPWSTR path) {
    if (path) PathRemoveExtensionW(path);
}

LPWSTR Cm_GetExtension(LPCWSTR path) {
    return path ? PathFindExtensionW(path) : nullptr;
}

LPWSTR Cm_GetFileName(LPCWSTR path) {
    return path ? PathFindFileNameW(path) : nullptr;
}
