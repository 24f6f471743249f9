// CVersion: the version resource of a module, its fixed block and its string values.
#include <ZetoCom.h>

#include <cstring>
#include <cwchar>
#include <vector>

static_assert(sizeof(VS_FIXEDFILEINFO) == 13 * sizeof(DWORD), "the fixed block is thirteen words");

BOOL CVersion::ReadResourceInformation(HINSTANCE hModule) {
    if (!hModule) hModule = AfxGetModuleState()->m_hCurrentInstanceHandle;
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(hModule, path, MAX_PATH) == 0) return FALSE;
    m_appInfo.strFilePath = path;

    DWORD dummy = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &dummy);
    if (size == 0) return FALSE;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) return FALSE;

    void* root = nullptr;
    UINT length = 0;
    // A root shorter than the fixed block is a damaged resource and is not copied.
    if (!VerQueryValueW(block.data(), L"\\", &root, &length) || length < sizeof(VS_FIXEDFILEINFO)) return FALSE;
    std::memcpy(&m_fixedFileInfo, root, sizeof(VS_FIXEDFILEINFO));

    if (!GetDynamicInfo(block.data())) return FALSE;
    if (!GetFixedFileInfo()) return FALSE;
    return TRUE;
}

BOOL CVersion::GetDynamicInfo(BYTE* block) {
    void* translation = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block, L"\\VarFileInfo\\Translation", &translation, &length) && length >= sizeof(DWORD))
        std::memcpy(&m_dwTranslation, translation, sizeof(DWORD));

    m_appInfo.strCompanyName = GetDynamicInfo(block, L"CompanyName");
    m_appInfo.strLegalCopyright = GetDynamicInfo(block, L"LegalCopyRight");
    m_appInfo.strProductName = GetDynamicInfo(block, L"ProductName");
    m_appInfo.strProductVersion = GetDynamicInfo(block, L"ProductVersion");
    m_appInfo.strOriginalFileName = GetDynamicInfo(block, L"OriginalFileName");
    m_appInfo.strFileDescription = GetDynamicInfo(block, L"FileDescription");
    m_appInfo.strFileVersion = GetDynamicInfo(block, L"FileVersion");
    m_appInfo.strInternalName = GetDynamicInfo(block, L"InternalName");
    return TRUE;
}

CString CVersion::GetDynamicInfo(BYTE* block, LPCWSTR key) {
    CString query;
    query.Format(L"\\StringFileInfo\\%04x%04x\\%s", LOWORD(m_dwTranslation), HIWORD(m_dwTranslation), key);
    void* value = nullptr;
    UINT length = 0;  // in characters, for a string value
    if (!VerQueryValueW(block, query, &value, &length) || !value) return CString();
    const wchar_t* text = static_cast<const wchar_t*>(value);
    return CString(text, static_cast<int>(wcsnlen(text, length)));
}

BOOL CVersion::GetFixedFileInfo() {
    const DWORD ms = m_fixedFileInfo.dwFileVersionMS;
    const DWORD ls = m_fixedFileInfo.dwFileVersionLS;
    m_appInfo.strMajorVersion.Format(L"%d", HIWORD(ms));
    m_appInfo.strMinorVersion.Format(L"%d", LOWORD(ms));
    m_appInfo.strDllVersion.Format(L"%d.%d.%d.%d", HIWORD(ms), LOWORD(ms), HIWORD(ls), LOWORD(ls));
    return TRUE;
}
