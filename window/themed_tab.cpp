// The themed tab-page background for a dialog, where the system has themes.
#include <ZetoCom.h>

#include "../sysinfo/loaded_module.h"

void Cm_SetXpStyleTab(HWND hWnd) {
    constexpr DWORD kEnableTab = 0x2 | 0x4;  // ETDT_ENABLE | ETDT_USETABTEXTURE
    zc::LoadedModule uxtheme(L"uxtheme.dll");
    if (!uxtheme) return;
    using EnableTexture = HRESULT(WINAPI*)(HWND, DWORD);
    if (auto enable = uxtheme.Find<EnableTexture>("EnableThemeDialogTexture")) enable(hWnd, kEnableTab);
}
