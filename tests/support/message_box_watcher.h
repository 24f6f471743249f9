// Proves a message box: a watcher thread finds the dialog that the calling thread opens, reads its
// caption, text and style, and dismisses it.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

struct SeenMessageBox {
    bool found = false;
    std::wstring caption;
    std::wstring text;  // the static control 0xFFFF
    UINT style = 0;     // MB_* flags rebuilt from the buttons and the icon shown
};

bool operator==(const SeenMessageBox& a, const SeenMessageBox& b);
void PrintTo(const SeenMessageBox& box, std::ostream* os);  // for GoogleTest's failure messages

class MessageBoxWatcher {
public:
    // Watches the windows of the thread that constructs the watcher.
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Waits up to waitMs for a box not seen yet, stops the watcher and tells what it saw.
    SeenMessageBox Finish(DWORD waitMs = 0);

private:
    static DWORD WINAPI Run(void* self);
    bool Poll();

    DWORD m_threadId;
    HANDLE m_stop;
    HANDLE m_thread;
    SeenMessageBox m_seen;
};
