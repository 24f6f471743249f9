// Application object, module state, extension-module chain and message boxes of the MFC layer.
#pragma once

#include "afx.h"

class CWinApp;
class CDynLinkLibrary;

// One per process, kept by the layer's DLL: the host's instance, its application object and the
// chain of extension modules linked into it.
struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCWSTR m_lpszCurrentAppName;
    CWinApp* m_pCurrentWinApp;
    CDynLinkLibrary* m_libraryList;  // head of the chain, newest first
};

AFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API LPCWSTR AFXAPI AfxGetAppName();

// MessageBoxW with the application's title as caption; the type is passed on as given.
AFX_API int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

class AFX_API CWinApp : public CObject {
public:
    // A null name takes the executable's file name without its extension.
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    LPCWSTR m_pszAppName;
    LPCWSTR m_pszExeName;
    HINSTANCE m_hInstance;
};

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// Links an extension module into the chain while it exists.
class AFX_API CDynLinkLibrary : public CObject {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;
};

// FALSE for a null module handle; TRUE otherwise, also when the record is already initialised.
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the chain entries of this module (of every module when bAll is TRUE).
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
