// The shell's folder-browse dialog (new style), opened on an initial folder: the given one or
// the documents folder. The caller has initialised COM in a single-threaded apartment.
#include <ZetoCom.h>

#include <cstdlib>

#include "path_work_area.h"
#include "shell_objects.h"

namespace {

constexpr size_t kInitialFolderUnits = 512;
const wchar_t kDefaultPrompt[] = L"ﾌｫﾙﾀﾞを選んでください";

// Selects the initial folder when the dialog opens and shows each selected path as its status.
int CALLBACK BrowseFolderCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    } else if (message == BFFM_SELCHANGED) {
        wchar_t* area = zc::PathWorkArea();
        if (SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(parameter), area))
            SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(area));
    }
    return 0;
}

// The initial folder's text in a block of kInitialFolderUnits units from the runtime heap.
class InitialFolderBlock {
public:
    InitialFolderBlock(const CString& folder, const zc::ShellAllocator& allocator) {
        const wchar_t* text = folder.IsEmpty() ? zc::DocumentsFolderInWorkArea(allocator) : folder.GetString();
        if (!text) return;
        m_block = static_cast<wchar_t*>(std::malloc(kInitialFolderUnits * sizeof(wchar_t)));
        if (m_block) lstrcpynW(m_block, text, kInitialFolderUnits);
    }
    ~InitialFolderBlock() { std::free(m_block); }
    InitialFolderBlock(const InitialFolderBlock&) = delete;
    InitialFolderBlock& operator=(const InitialFolderBlock&) = delete;

    wchar_t* Get() const { return m_block; }

private:
    wchar_t* m_block = nullptr;
};

}  // namespace

CString Cm_SelectedFolder(HWND owner, CString prompt, CString initialFolder, LONG_PTR callback) {
    if (prompt.IsEmpty()) prompt = kDefaultPrompt;
    zc::ShellAllocator allocator;
    InitialFolderBlock initial(initialFolder, allocator);

    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = zc::PathWorkArea();
    info.lpszTitle = prompt;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    if (callback) info.lpfn = reinterpret_cast<BFFCALLBACK>(callback);
    else if (initial.Get()) info.lpfn = BrowseFolderCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial.Get());

    CString chosen;
    zc::ItemIdList item(allocator);
    *item.Out() = SHBrowseForFolderW(&info);
    if (item) {
        wchar_t* area = zc::PathWorkArea();
        if (SHGetPathFromIDListW(item.Get(), area)) chosen = area;
    }
    return chosen;
}
