// Whether the process token lists the local Administrators group (S-1-5-32-544), enabled or not.
#include <ZetoCom.h>

#include "../files/file_handles.h"

int Cm_UserIsNTAdmin() {
    static_assert(TOKEN_READ == 0x20008, "the access the token is opened with");
    alignas(TOKEN_GROUPS) BYTE buffer[1024];
    DWORD returned = 0;
    {
        HANDLE raw = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_READ, &raw)) return 0;
        zc::ScopedHandle<HANDLE, 0, CloseHandle> token(raw);
        if (!GetTokenInformation(token.Get(), TokenGroups, buffer, sizeof buffer, &returned)) return 0;
    }
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID sid = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &sid))
        return 0;
    zc::ScopedHandle<PSID, 0, FreeSid> admins(sid);
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer);
    for (DWORD i = 0; i < groups->GroupCount; ++i)
        if (EqualSid(groups->Groups[i].Sid, admins.Get())) return 1;
    return 0;
}
