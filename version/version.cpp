// CVersion: the application object that keeps its own version texts; start-up and accessors.
#include <ZetoCom.h>

CVersion::CVersion()
    : CWinApp(nullptr), m_fixedFileInfo(), m_dwTranslation(0), m_ftCreation(), m_ftLastAccess(), m_ftLastWrite() {}

CVersion::~CVersion() {}

BOOL CVersion::InitInstance() {
    // An application without a version resource starts all the same, with empty texts.
    ReadResourceInformation(nullptr);
    ReadFileTime();
    return CWinApp::InitInstance();
}

CString CVersion::GetAppVersion() { return m_appInfo.strFileVersion; }
CString CVersion::GetAppFilepath() { return m_appInfo.strFilePath; }
CString CVersion::GetAppCopyright() { return m_appInfo.strLegalCopyright; }
CString CVersion::GetAppOriginalname() { return m_appInfo.strOriginalFileName; }
CString CVersion::GetAppCompany() { return m_appInfo.strCompanyName; }
CString CVersion::GetAppDescription() { return m_appInfo.strFileDescription; }
CString CVersion::GetAppInternalName() { return m_appInfo.strInternalName; }
CString CVersion::GetAppProductName() { return m_appInfo.strProductName; }
CString CVersion::GetAppProductVersion() { return m_appInfo.strProductVersion; }
CString CVersion::GetAppDllVersion() { return m_appInfo.strDllVersion; }
