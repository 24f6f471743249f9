// The folder-browse dialog as the user meets it: a watcher thread finds the real dialog on the
// test thread, reads its texts and confirms or cancels it.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const wchar_t kDefaultPrompt[] = L"\xFF8C\xFF6B\xFF99\xFF80\xFF9E\x3092\x9078\x3093\x3067\x304F\x3060\x3055\x3044";

// Watches the constructing thread for the browse dialog, collects the dialog's own and all its
// children's texts, and presses one button on it.
class BrowseDialogWatcher {
public:
    explicit BrowseDialogWatcher(int button) : m_threadId(GetCurrentThreadId()), m_button(button) {
        m_thread = CreateThread(nullptr, 0, &BrowseDialogWatcher::Run, this, 0, nullptr);
    }
    ~BrowseDialogWatcher() { Finish(); }
    // Waits for the watcher; false when no dialog appeared.
    bool Finish() {
        if (m_thread) WaitForSingleObject(m_thread, INFINITE), CloseHandle(m_thread), m_thread = nullptr;
        return m_found;
    }
    bool Shows(const std::wstring& text) const {
        return std::find(m_texts.begin(), m_texts.end(), text) != m_texts.end();
    }

private:
    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
        wchar_t cls[16] = L"";
        GetClassNameW(hwnd, cls, 16);
        if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    static BOOL CALLBACK Collect(HWND child, LPARAM texts) {
        wchar_t text[1024] = L"";
        GetWindowTextW(child, text, 1024);
        if (text[0]) reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
        return TRUE;
    }
    static DWORD WINAPI Run(void* self) {
        auto* watcher = static_cast<BrowseDialogWatcher*>(self);
        HWND dialog = nullptr;
        for (int tries = 0; tries < 1000 && !dialog; ++tries) {  // up to ten seconds
            EnumThreadWindows(watcher->m_threadId, FindDialog, reinterpret_cast<LPARAM>(&dialog));
            Sleep(dialog ? 200 : 10);  // once found, let the selection and its status text settle
        }
        if (!dialog) return 0;
        watcher->m_found = true;
        Collect(dialog, reinterpret_cast<LPARAM>(&watcher->m_texts));
        EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&watcher->m_texts));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(watcher->m_button, BN_CLICKED), 0);
        return 0;
    }

    DWORD m_threadId;
    int m_button;
    HANDLE m_thread = nullptr;
    bool m_found = false;
    std::vector<std::wstring> m_texts;
};

// The new dialog style needs a single-threaded apartment on the calling thread.
class BrowseTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

std::wstring g_callbackData;
int g_initializedCalls = 0;

int CALLBACK RecordingCallback(HWND, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        ++g_initializedCalls;
        g_callbackData = data ? reinterpret_cast<const wchar_t*>(data) : L"(null)";
    }
    return 0;
}

std::wstring Documents() {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path);
    return path;
}

TEST_F(BrowseTest, DefaultPromptAndDocumentsFolderConfirmed) {
    BrowseDialogWatcher watcher(IDOK);
    CString chosen = Cm_SelectedFolder(nullptr, CString(), CString(), 0);
    ASSERT_TRUE(watcher.Finish()) << "no browse dialog appeared";
    EXPECT_TRUE(watcher.Shows(kDefaultPrompt));
    EXPECT_TRUE(watcher.Shows(Documents())) << "the documents folder is not shown as the selection";
    EXPECT_EQ(std::wstring(chosen.GetString()), Documents()) << "no trailing backslash";
}

TEST_F(BrowseTest, CallerCallbackReplacesOursAndReceivesTheDocumentsFolder) {
    BrowseDialogWatcher watcher(IDCANCEL);
    CString chosen = Cm_SelectedFolder(nullptr, CString(L"x"), CString(), reinterpret_cast<LONG_PTR>(&RecordingCallback));
    ASSERT_TRUE(watcher.Finish()) << "no browse dialog appeared";
    EXPECT_EQ(g_initializedCalls, 1);
    EXPECT_EQ(g_callbackData, Documents() + L"\\");
    EXPECT_TRUE(chosen.IsEmpty());
}

TEST_F(BrowseTest, GivenPromptAndInitialFolderConfirmed) {
    // Right below the system drive's root, which the dialog's tree reaches through Computer and C:.
    wchar_t folder[64];
    wsprintfW(folder, L"C:\\zc-browse-%lu", GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
    BrowseDialogWatcher watcher(IDOK);
    CString chosen = Cm_SelectedFolder(nullptr, CString(L"\x51FA\x529B\x5148"), CString(folder), 0);
    bool found = watcher.Finish();
    RemoveDirectoryW(folder);
    ASSERT_TRUE(found) << "no browse dialog appeared";
    EXPECT_TRUE(watcher.Shows(L"\x51FA\x529B\x5148"));
    EXPECT_FALSE(watcher.Shows(kDefaultPrompt));
    EXPECT_TRUE(watcher.Shows(folder)) << "the status text does not show the selected folder";
    EXPECT_STREQ(chosen.GetString(), folder);
}

}  // namespace
