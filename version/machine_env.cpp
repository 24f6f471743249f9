// CVersion: the machine's directories and names, the registered owner and the install path.
#include <ZetoCom.h>

namespace {

constexpr int kWorkBuffer = 1024;
// Leaves room for the trailing backslash and the terminator.
constexpr DWORD kWorkSize = kWorkBuffer - 2;
constexpr DWORD kComputerNameSize = 256;

constexpr wchar_t kInstallPathValue[] = L"InstallPath";

// A directory from a call that fills buffer with at most kWorkSize units and returns the length.
template <typename Query>
bool ReadDirectory(Query query, wchar_t (&buffer)[kWorkBuffer], CString& field) {
    const DWORD length = query(kWorkSize, buffer);
    // A longer directory is reported by its needed size and leaves the buffer unfilled.
    if (length == 0 || length >= kWorkSize) return false;
    Cm_PathAddBackslash(buffer);
    field = buffer;
    return true;
}

}  // namespace

int CVersion::GetMachineEnv() {
    wchar_t buffer[kWorkBuffer];
    DWORD size = kWorkSize;
    if (!ReadDirectory(GetCurrentDirectoryW, buffer, m_strInstallPath)) return FALSE;
    if (!ReadDirectory(GetTempPathW, buffer, m_strTempPath)) return FALSE;
    if (!GetUserNameW(buffer, &size)) return FALSE;
    m_strUserName = buffer;
    size = kComputerNameSize;
    if (!GetComputerNameW(buffer, &size)) return FALSE;
    m_strComputerName = buffer;
    return TRUE;
}

void CVersion::GetOsInfo() {
    COsInfo os;
    const CString key(os.GetPlatform() == VER_PLATFORM_WIN32_WINDOWS ? L"Microsoft\\Windows\\CurrentVersion"
                                                                      : L"Microsoft\\Windows NT\\CurrentVersion");
    CRegistry registry;
    // An absent value leaves its field as it was.
    registry.GetMachineEntry(key, L"RegisteredOwner", m_strRegisteredOwner);
    registry.GetMachineEntry(key, L"RegisteredOrganization", m_strRegisteredOrganization);
    registry.GetMachineEntry(key, L"ProductId", m_strProductId);
}

int CVersion::InstallPath(CString organisation, CString key, int write) {
    CRegistry registry(organisation);
    if (write) {
        if (registry.SetMachineEntry(key, kInstallPathValue, m_strInstallPath)) return TRUE;
        AfxMessageBox(L"インストールパスのレジストリ登録に失敗しました", 0, 0);
        return FALSE;
    }
    CString text;
    if (!registry.GetMachineEntry(key, kInstallPathValue, text)) {
        AfxMessageBox(L"システムのインストールパスが設定されていません", 0, 0);
        return FALSE;
    }
    Cm_PathAddBackslash(text.GetBuffer(kWorkBuffer));
    text.ReleaseBuffer();
    m_strInstallPath = text;
    return TRUE;
}
