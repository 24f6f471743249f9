// A watcher thread reads the first message box of the thread that made it: caption, text (the static
// control 0xFFFF) and style (the MB_* flags its buttons and icon tell); then it closes the box.
#pragma once
#include "cstring_print.h"
struct SeenMessageBox {
    bool found = false;
    std::wstring caption, text;
    UINT style = 0;
};
inline bool operator==(const SeenMessageBox& a, const SeenMessageBox& b) {
    return a.found == b.found && a.caption == b.caption && a.text == b.text && a.style == b.style;
}
inline void PrintTo(const SeenMessageBox& box, std::ostream* os) {
    if (!box.found) return void(*os << "no message box");
    PrintTo(CString((box.caption + L" | " + box.text).c_str()), os);
    *os << ", style 0x" << std::hex << box.style << std::dec;
}

class MessageBoxWatcher {
public:
    MessageBoxWatcher() : m_thread(CreateThread(nullptr, 0, Watch, this, 0, nullptr)) {}
    ~MessageBoxWatcher() { Finish(); }
    // Waits up to waitMs for a box not seen yet, stops watching and tells what was seen.
    SeenMessageBox Finish(DWORD waitMs = 0) {
        if (m_thread && WaitForSingleObject(m_thread, waitMs) == WAIT_TIMEOUT) SetEvent(m_stop);
        if (m_thread) WaitForSingleObject(m_thread, INFINITE), CloseHandle(m_thread), CloseHandle(m_stop);
        m_thread = m_stop = nullptr;
        return m_seen;
    }
private:
    static DWORD WINAPI Watch(void* self) {
        auto* watcher = static_cast<MessageBoxWatcher*>(self);
        HWND box = nullptr;
        while (!box && WaitForSingleObject(watcher->m_stop, 10) == WAIT_TIMEOUT)
            while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) &&
                   (GetWindowThreadProcessId(box, nullptr) != watcher->m_threadId || !IsWindowVisible(box))) {}
        if (!box) return 0;
        auto text = [](HWND window) {
            wchar_t text[2048];
            return std::wstring(text, GetWindowTextW(window, text, 2048));
        };
        watcher->m_seen = {true, text(box), text(GetDlgItem(box, 0xFFFF)), StyleOf(box)};
        const int button = GetDlgItem(box, IDOK) ? IDOK : GetDlgItem(box, IDCANCEL) ? IDCANCEL : IDNO;
        return PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    static UINT StyleOf(HWND box) {
        auto has = [box](int id) { return GetDlgItem(box, id) != nullptr; };
        UINT style = has(IDABORT) ? MB_ABORTRETRYIGNORE : has(IDYES) ? (has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO)
                     : has(IDRETRY) ? MB_RETRYCANCEL : has(IDCANCEL) ? MB_OKCANCEL : MB_OK;
        auto icon = HICON(SendDlgItemMessageW(box, 0x0014, STM_GETICON, 0, 0));  // Windows' icon control
        icon = icon ? icon : HICON(SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0));  // Wine's
        for (auto [id, flag] : {std::pair{IDI_INFORMATION, MB_ICONINFORMATION}, {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                                {IDI_QUESTION, MB_ICONQUESTION}, {IDI_HAND, MB_ICONERROR}})
            style |= icon && icon == LoadIconW(nullptr, id) ? flag : 0;
        return style;
    }
    DWORD m_threadId = GetCurrentThreadId();
    HANDLE m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SeenMessageBox m_seen;
    HANDLE m_thread;
};
