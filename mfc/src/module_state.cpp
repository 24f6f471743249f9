// The process's module state: host instance, application object and the extension-module chain.
#include <afxwin.h>

namespace {

AFX_MODULE_STATE g_moduleState;
CRITICAL_SECTION g_chainLock;

struct ChainLock {
    ChainLock() { EnterCriticalSection(&g_chainLock); }
    ~ChainLock() { LeaveCriticalSection(&g_chainLock); }
    ChainLock(const ChainLock&) = delete;
    ChainLock& operator=(const ChainLock&) = delete;
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&g_chainLock);
        g_moduleState.m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
        g_moduleState.m_hCurrentResourceHandle = g_moduleState.m_hCurrentInstanceHandle;
    } else if (reason == DLL_PROCESS_DETACH) {
        DeleteCriticalSection(&g_chainLock);
    }
    return TRUE;
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() { return &g_moduleState; }
HINSTANCE AFXAPI AfxGetInstanceHandle() { return g_moduleState.m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return g_moduleState.m_hCurrentResourceHandle; }
CWinApp* AFXAPI AfxGetApp() { return g_moduleState.m_pCurrentWinApp; }
LPCWSTR AFXAPI AfxGetAppName() { return g_moduleState.m_lpszCurrentAppName; }

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!hModule) return FALSE;
    if (state.bInitialized) return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized) return;
    ChainLock lock;
    for (CDynLinkLibrary* dll = g_moduleState.m_libraryList; dll;) {
        CDynLinkLibrary* next = dll->m_pNextDLL;
        if (bAll || dll->m_hModule == state.hModule) delete dll;  // unlinks itself
        dll = next;
    }
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr) {
    ChainLock lock;
    m_pNextDLL = g_moduleState.m_libraryList;
    g_moduleState.m_libraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    ChainLock lock;
    for (CDynLinkLibrary** link = &g_moduleState.m_libraryList; *link; link = &(*link)->m_pNextDLL)
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
}
