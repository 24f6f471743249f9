// A module loaded for one call and released when the owner goes.
#pragma once

#include <windows.h>

namespace zc {

class LoadedModule {
public:
    explicit LoadedModule(LPCWSTR name) : m_module(LoadLibraryW(name)) {}
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
