#include "layered_module.h"

namespace zc {

HMODULE& LayeredModule() {
    static HMODULE module = nullptr;
    return module;
}

BOOL SetLayeredAlpha(HWND hWnd, COLORREF key, int alpha, DWORD flags) {
    HMODULE module = LayeredModule();
    if (!module) return TRUE;
    using SetAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    auto set = reinterpret_cast<SetAttributes>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "SetLayeredWindowAttributes")));
    if (!set) return FALSE;
    return set(hWnd, key, static_cast<BYTE>(alpha), flags);
}

}  // namespace zc
