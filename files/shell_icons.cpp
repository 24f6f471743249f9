// Icons the shell shows for files and items; every icon returned is a new one for the caller to
// destroy with DestroyIcon.
#include <ZetoCom.h>

#include <afxcmn.h>

#include "shell_objects.h"

namespace {

// Keeps the shell's shared image list attached for one lookup and detaches it before the
// CImageList goes, so that the system list is never destroyed.
class BorrowedImageList {
public:
    explicit BorrowedImageList(HIMAGELIST list) { m_list.Attach(list); }
    ~BorrowedImageList() { m_list.Detach(); }
    BorrowedImageList(const BorrowedImageList&) = delete;
    BorrowedImageList& operator=(const BorrowedImageList&) = delete;

    HICON Icon(int index) const { return ImageList_GetIcon(m_list.GetSafeHandle(), index, ILD_NORMAL); }

private:
    CImageList m_list;
};

}  // namespace

HICON Cm_GetFileIcon(LPCWSTR path, UINT flags) {
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path, 0, &info, sizeof info, flags | SHGFI_ICON)) return nullptr;
    return info.hIcon;
}

HICON Cm_GetSystemIcon(LPCITEMIDLIST item) {
    if (!item) return nullptr;
    SHFILEINFOW info = {};
    auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info,
                                                            SHGFI_SYSICONINDEX | SHGFI_PIDL | SHGFI_SMALLICON));
    if (!list) return nullptr;
    return BorrowedImageList(list).Icon(info.iIcon);
}

HICON Cm_GetFileIcon2(LPCSTR path) {
    zc::ShellAllocator allocator;
    if (!allocator) return nullptr;
    zc::ItemIdList item(allocator);
    *item.Out() = Cm_GetItemIDList(path);
    return Cm_GetSystemIcon(item.Get());
}
