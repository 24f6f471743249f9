#include "message_box_watcher.h"

#include "cstring_print.h"

bool operator==(const SeenMessageBox& a, const SeenMessageBox& b) {
    return a.found == b.found && a.caption == b.caption && a.text == b.text && a.style == b.style;
}

void PrintTo(const SeenMessageBox& box, std::ostream* os) {
    if (!box.found) {
        *os << "no message box";
        return;
    }
    *os << "caption ";
    PrintTo(CString(box.caption.c_str()), os);
    *os << ", text ";
    PrintTo(CString(box.text.c_str()), os);
    *os << ", style 0x" << std::hex << box.style << std::dec;
}

namespace {

std::wstring WindowText(HWND hwnd) {
    wchar_t text[2048] = L"";
    GetWindowTextW(hwnd, text, 2048);
    return text;
}

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
    wchar_t cls[16] = L"";
    GetClassNameW(hwnd, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// The MB_* type and icon that produced the dialog, told from its buttons and its icon.
UINT RebuildStyle(HWND box) {
    auto has = [box](int id) { return GetDlgItem(box, id) != nullptr; };
    UINT style = MB_OK;
    if (has(IDABORT) && has(IDRETRY) && has(IDIGNORE)) style = MB_ABORTRETRYIGNORE;
    else if (has(IDYES) && has(IDNO)) style = has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO;
    else if (has(IDRETRY) && has(IDCANCEL)) style = MB_RETRYCANCEL;
    else if (has(IDOK) && has(IDCANCEL)) style = MB_OKCANCEL;

    // The icon's static control is 0x0014 in Windows' template and stc1 (0x0440) in Wine's.
    HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x0014, STM_GETICON, 0, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0));
    if (!icon) return style;
    if (icon == LoadIconW(nullptr, IDI_INFORMATION)) return style | MB_ICONINFORMATION;
    if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) return style | MB_ICONEXCLAMATION;
    if (icon == LoadIconW(nullptr, IDI_QUESTION)) return style | MB_ICONQUESTION;
    if (icon == LoadIconW(nullptr, IDI_HAND)) return style | MB_ICONERROR;
    return style;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher()
    : m_threadId(GetCurrentThreadId()),
      m_stop(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread(CreateThread(nullptr, 0, &MessageBoxWatcher::Run, this, 0, nullptr)) {}

MessageBoxWatcher::~MessageBoxWatcher() { Finish(); }

SeenMessageBox MessageBoxWatcher::Finish(DWORD waitMs) {
    if (m_thread) {
        if (WaitForSingleObject(m_thread, waitMs) == WAIT_TIMEOUT) {
            SetEvent(m_stop);
            WaitForSingleObject(m_thread, INFINITE);
        }
        CloseHandle(m_thread);
        CloseHandle(m_stop);
        m_thread = m_stop = nullptr;
    }
    return m_seen;
}

DWORD WINAPI MessageBoxWatcher::Run(void* self) {
    auto* watcher = static_cast<MessageBoxWatcher*>(self);
    while (WaitForSingleObject(watcher->m_stop, 10) == WAIT_TIMEOUT)
        if (watcher->Poll()) break;
    return 0;
}

bool MessageBoxWatcher::Poll() {
    HWND box = nullptr;
    EnumThreadWindows(m_threadId, FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) return false;
    m_seen.found = true;
    m_seen.caption = WindowText(box);
    if (HWND text = GetDlgItem(box, 0xFFFF)) m_seen.text = WindowText(text);
    m_seen.style = RebuildStyle(box);
    int button = GetDlgItem(box, IDOK) ? IDOK : GetDlgItem(box, IDCANCEL) ? IDCANCEL : IDNO;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return true;
}
