// CWinApp and AfxMessageBox.
#include <afxwin.h>

#include <cstdlib>
#include <cwchar>

namespace {

// The executable's file name without folder and extension.
LPWSTR ExeTitle() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* name = wcsrchr(path, L'\\');
    name = name ? name + 1 : path;
    if (wchar_t* dot = wcsrchr(name, L'.')) *dot = L'\0';
    return _wcsdup(name);
}

// The name of an application that gives none, as MFC takes it: the program's title string
// (AFX_IDS_APP_TITLE) when it has one, else its file title.
LPWSTR DefaultAppName(HINSTANCE instance) {
    constexpr UINT kAppTitle = 0xE000;
    wchar_t title[256];
    if (LoadStringW(instance, kAppTitle, title, 256) > 0) return _wcsdup(title);
    return ExeTitle();
}

}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_pszAppName(lpszAppName ? _wcsdup(lpszAppName)
                               : DefaultAppName(AfxGetModuleState()->m_hCurrentInstanceHandle)),
      m_pszExeName(ExeTitle()),
      m_hInstance(AfxGetModuleState()->m_hCurrentInstanceHandle) {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    state->m_pCurrentWinApp = this;
    state->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state->m_pCurrentWinApp == this) {
        state->m_pCurrentWinApp = nullptr;
        state->m_lpszCurrentAppName = nullptr;
    }
    free(const_cast<LPWSTR>(m_pszAppName));
    free(const_cast<LPWSTR>(m_pszExeName));
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
    LPCWSTR caption = AfxGetAppName();
    LPWSTR fallback = caption ? nullptr : ExeTitle();
    int result = MessageBoxW(nullptr, lpszText, caption ? caption : fallback, nType);
    free(fallback);
    return result;
}
