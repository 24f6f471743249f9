// Owners of the kernel and runtime handles that the file functions open.
#pragma once

#include <windows.h>

#include <io.h>

#include <cstdint>

namespace zc {

// A handle that is closed by Close when the owner goes; Invalid is the "no handle" value.
template <typename Handle, intptr_t Invalid, auto Close>
class ScopedHandle {
public:
    explicit ScopedHandle(Handle handle) : m_handle(handle) {}
    ~ScopedHandle() {
        if (Valid()) Close(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    bool Valid() const { return m_handle != Handle(Invalid); }
    Handle Get() const { return m_handle; }

private:
    Handle m_handle;
};

using FileHandle = ScopedHandle<HANDLE, -1, CloseHandle>;
using FindHandle = ScopedHandle<HANDLE, -1, FindClose>;
using CrtFindHandle = ScopedHandle<intptr_t, -1, _findclose>;

}  // namespace zc
