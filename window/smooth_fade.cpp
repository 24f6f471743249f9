// Fading a top-level window in and out with layered-window transparency. Refused on version 6
// server systems.
#include <ZetoCom.h>

#include "../sysinfo/loaded_module.h"
#include "layered_module.h"

namespace {

constexpr int kServerSixKind = 10;

// Level in percent to the system's alpha byte, truncated.
constexpr int Alpha(int level) { return level * 255 / 100; }
static_assert(Alpha(10) == 25 && Alpha(50) == 127 && Alpha(100) == 255, "alpha of a level");

void ShowLevel(HWND hWnd, int level, int step) {
    zc::SetLayeredAlpha(hWnd, 0, Alpha(level), LWA_ALPHA);
    Sleep(step);
}

}  // namespace

void Cm_CreateSmoothly(HWND hWnd, BOOL bShow) {
    COsInfo os;
    if (os.GetKind() == kServerSixKind) return;
    HMODULE user32 = zc::LoadSystemModule(L"USER32.dll");
    // Only the latest handle is kept: an earlier one is released rather than leaked.
    if (zc::LayeredModule()) FreeLibrary(zc::LayeredModule());
    zc::LayeredModule() = user32;
    SetWindowLongW(hWnd, GWL_EXSTYLE, GetWindowLongW(hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    zc::SetLayeredAlpha(hWnd, 0, 0, LWA_ALPHA);
    ShowWindow(hWnd, bShow ? SW_SHOWNORMAL : SW_HIDE);
}

// A step of 0 or less would never end a fade: such a call returns at once. A fade out from above
// 100 starts at 100, as the fade in stops there.
void Cm_ShowSmoothly(HWND hWnd, BOOL bShow, int nStep, int nLevel) {
    if (!zc::LayeredModule() || nStep <= 0) return;
    if (bShow) {
        for (int level = 0; level <= nLevel && level <= 100; level += nStep) ShowLevel(hWnd, level, nStep);
        return;
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    // The placement's show state is never SW_HIDE for a hidden window that is not minimised (it
    // says normal), so a hidden window is also told by its visibility.
    if (!GetWindowPlacement(hWnd, &placement) || placement.showCmd == SW_HIDE || !IsWindowVisible(hWnd) ||
        IsIconic(hWnd))
        return;
    for (int level = nLevel > 100 ? 100 : nLevel; level >= 0; level -= nStep) ShowLevel(hWnd, level, nStep);
}

// The handle is cleared with the release, so later fades do nothing until the next creation call.
void Cm_DestroySmoothly() {
    if (!zc::LayeredModule()) return;
    FreeLibrary(zc::LayeredModule());
    zc::LayeredModule() = nullptr;
}
