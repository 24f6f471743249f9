// System modules loaded by their full path in the system folder, never found through the search
// order, which looks in the host application's folder first (a planted module of that name would
// win there); and an owner that releases one loaded for a call.
#pragma once

#include <windows.h>

namespace zc {

inline HMODULE LoadSystemModule(LPCWSTR name) {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (!length || length + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, name);
    return LoadLibraryW(path);
}

class LoadedModule {
public:
    explicit LoadedModule(LPCWSTR name) : m_module(LoadSystemModule(name)) {}
    ~LoadedModule() {
        if (m_module) FreeLibrary(m_module);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    explicit operator bool() const { return m_module != nullptr; }
    // The export as the given function type (through void(*)(), the generic function pointer).
    template <class Function>
    Function Find(LPCSTR name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};

}  // namespace zc
