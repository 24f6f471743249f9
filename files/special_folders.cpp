// Special folders by CSIDL number, the documents folder, and item ID lists parsed from names.
#include <ZetoCom.h>

#include <shlwapi.h>

#include "path_work_area.h"
#include "shell_objects.h"

namespace zc {

const wchar_t* DocumentsFolderInWorkArea(const ShellAllocator& allocator) {
    ItemIdList item(allocator);
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, item.Out()))) return nullptr;
    wchar_t* area = ClearedPathWorkArea();
    if (!item || !SHGetPathFromIDListW(item.Get(), area)) area[0] = L'\0';
    Cm_PathAddBackslash(area);
    return area;
}

}  // namespace zc

BOOL Cm_GetSpecialFolder(int folder, LPWSTR buffer) {
    zc::ShellAllocator allocator;
    zc::ItemIdList item(allocator);
    if (buffer && SHGetSpecialFolderLocation(nullptr, folder, item.Out()) == S_OK && item &&
        SHGetPathFromIDListW(item.Get(), buffer))
        PathRemoveBackslashW(buffer);  // Wine's shell ends some folders in one; a drive root keeps it
    return TRUE;
}

BOOL Cm_GetMyDocument(LPWSTR buffer) {
    if (!buffer) return FALSE;
    buffer[0] = L'\0';
    zc::ShellAllocator allocator;
    const wchar_t* documents = zc::DocumentsFolderInWorkArea(allocator);
    if (!documents) return FALSE;
    lstrcpynW(buffer, documents, MAX_PATH);
    return TRUE;
}

LPITEMIDLIST Cm_GetItemIDList(LPCSTR path) {
    if (!path) return nullptr;
    zc::ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out())) || !desktop) return nullptr;

    wchar_t name[MAX_PATH] = L"";
    if (!MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, name, MAX_PATH)) name[MAX_PATH - 1] = L'\0';
    ULONG eaten = 0, attributes = 0;
    LPITEMIDLIST item = nullptr;
    if (desktop->ParseDisplayName(nullptr, nullptr, name, &eaten, &item, &attributes) == S_OK) return item;
    // A parse that did not give S_OK may still have produced a list; the caller gets none.
    zc::ShellAllocator allocator;
    allocator.Free(item);
    return nullptr;
}
