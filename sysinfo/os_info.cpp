// COsInfo: a snapshot of the running system's version record and product code, and the OS kind.
#include <ZetoCom.h>

#include "loaded_module.h"

namespace {

static_assert(sizeof(OSVERSIONINFOEXW) == 284, "the version record passed to GetVersionExW");

using GetProductInfoFn = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, PDWORD);

}  // namespace

COsInfo::COsInfo() {
    m_dwProductType = 0;
    m_osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
    // The record is taken as the system fills it; an old system that refuses the extended
    // record leaves the fields as they were.
    GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&m_osvi));

    zc::LoadedModule kernel(L"kernel32.dll");
    if (!kernel) return;
    auto getProductInfo = kernel.Find<GetProductInfoFn>("GetProductInfo");
    if (getProductInfo) {
        getProductInfo(m_osvi.dwMajorVersion, m_osvi.dwMinorVersion, m_osvi.wServicePackMajor,
                       m_osvi.wServicePackMinor, &m_dwProductType);
    }
}

COsInfo::~COsInfo() {}

int COsInfo::GetKind() {
    const DWORD minor = m_osvi.dwMinorVersion;
    const DWORD major = m_osvi.dwMajorVersion;
    switch (m_osvi.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        if (minor < 10) return 1;
        return minor < 90 ? 2 : 3;
    case VER_PLATFORM_WIN32_NT:
        if (major < 4) return 4;
        if (major == 4) return 5;
        if (major == 5) {
            if (minor == 0) return 6;
            return minor == 1 ? 7 : 8;
        }
        if (major == 6) return m_osvi.wProductType == VER_NT_WORKSTATION ? 9 : 10;
        return 0;
    default:
        return 0;
    }
}

int COsInfo::GetPlatform() { return static_cast<int>(m_osvi.dwPlatformId); }

int COsInfo::GetMajorVer() { return static_cast<int>(m_osvi.dwMajorVersion); }

int COsInfo::GetMinorVer() { return static_cast<int>(m_osvi.dwMinorVersion); }

int COsInfo::GetBuildNum() {
    // The Windows 9x record keeps the major and minor version in the high word.
    if (m_osvi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return LOWORD(m_osvi.dwBuildNumber);
    return static_cast<int>(m_osvi.dwBuildNumber);
}

CString COsInfo::GetCSDVer() {
    // The record's text is terminated by the system; the last unit bounds a record filled by hand.
    const size_t length = wcsnlen(m_osvi.szCSDVersion, _countof(m_osvi.szCSDVersion));
    return CString(m_osvi.szCSDVersion, static_cast<int>(length));
}
