// COsInfo::GetName: the display name of the Windows edition and the service-pack text.
#include <ZetoCom.h>

#include <cwchar>

namespace {

// The name is decided on a copy of the service-pack text of this many units, terminator included.
constexpr int kServicePackCopy = 32;

struct EditionWord {
    DWORD productCode;
    LPCWSTR word;
};

// Editions of version 6 workstations, by GetProductInfo code.
constexpr EditionWord kWorkstationEditions[] = {
    {1, L"Ultimate"},       {2, L"Home Basic"}, {3, L"Home Premium"},     {4, L"Enterprise"},
    {5, L"Home Basic N"},   {6, L"Business"},   {11, L"Starter Edition"}, {16, L"Business N"},
};

// Editions of version 6 servers, by GetProductInfo code.
constexpr EditionWord kServerEditions[] = {
    {7, L"Standard Edition"},
    {8, L"Datacenter Edition"},
    {9, L"Small Business Server"},
    {10, L"Enterprise Edition"},
    {15, L"Enterprise Edition for Itanium-based Systems"},
    {17, L"Web Server Edition"},
    {18, L"Cluster Server Edition"},
    {19, L"Home Server Edition"},
    {24, L"for Small Business Edition"},
    {25, L"Small Business Server Premium Edition"},
};

template <size_t N>
LPCWSTR FindEdition(const EditionWord (&table)[N], DWORD productCode) {
    for (const EditionWord& entry : table) {
        if (entry.productCode == productCode) return entry.word;
    }
    return L"";
}

bool Contains(const wchar_t* text, wchar_t letter) { return wcschr(text, letter) != nullptr; }

void AppendWindows9x(CString& name, DWORD minor, const wchar_t* servicePack) {
    if (minor < 10) {
        name += L"95";
        if (Contains(servicePack, L'A'))
            name += L" A";
        else if (Contains(servicePack, L'B'))
            name += L" OSR1";
        else if (Contains(servicePack, L'C'))
            name += L" OSR2";
    } else if (minor < 90) {
        name += L"98";
        if (Contains(servicePack, L'A')) name += L" SE";
    } else {
        name += L"Me";
    }
}

void AppendWindowsNt(CString& name, const OSVERSIONINFOEXW& osvi, DWORD productCode) {
    const DWORD major = osvi.dwMajorVersion;
    const DWORD minor = osvi.dwMinorVersion;
    if (major < 4) {
        name += L"NT 3.51";
    } else if (major == 4) {
        name += L"NT 4.0";
    } else if (major == 5 && minor == 0) {
        name += L"2000 ";
        if (osvi.wProductType == VER_NT_WORKSTATION)
            name += L"Professional";
        else if (osvi.wProductType == VER_NT_SERVER)
            name += L"Server";
    } else if (major == 5 && minor == 1) {
        name += L"XP ";
        if (osvi.wSuiteMask & VER_SUITE_PERSONAL)
            name += L"Home Edition";
        else if (osvi.wProductType == VER_NT_WORKSTATION)
            name += L"Professional";
        else if (osvi.wProductType == VER_NT_SERVER)
            name = L"Windows 2002 .NET Server";
    } else if (major == 5) {
        name += L"Server 2003";
    } else if (major == 6) {
        if (osvi.wProductType == VER_NT_WORKSTATION) {
            name += L"Vista ";
            name += FindEdition(kWorkstationEditions, productCode);
        } else {
            name += L"Server 2008 ";
            name += FindEdition(kServerEditions, productCode);
        }
    }
}

// "(" + text + ")", terminated: the caller's buffer holds the text plus three units.
void WriteServicePack(unsigned short* buffer, const wchar_t* servicePack) {
    const size_t length = wcslen(servicePack);
    wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
    out[0] = L'(';
    wmemcpy(out + 1, servicePack, length);
    out[length + 1] = L')';
    out[length + 2] = L'\0';
}

}  // namespace

CString COsInfo::GetName(unsigned short* pszServicePack) {
    CString name(L"Windows ");
    // A service-pack text longer than the copy is cut to its first 31 units.
    wchar_t servicePack[kServicePackCopy];
    wcsncpy(servicePack, m_osvi.szCSDVersion, kServicePackCopy - 1);
    servicePack[kServicePackCopy - 1] = L'\0';

    switch (m_osvi.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        name += L"3.1";
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        AppendWindows9x(name, m_osvi.dwMinorVersion, servicePack);
        break;
    case VER_PLATFORM_WIN32_NT:
        AppendWindowsNt(name, m_osvi, m_dwProductType);
        if (pszServicePack && servicePack[0] != L'\0') WriteServicePack(pszServicePack, servicePack);
        break;
    default:
        break;
    }
    return name;
}
