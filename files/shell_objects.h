// Owners of the shell and COM objects that the shell functions obtain, so that every path
// releases what it took: interface pointers, the shell allocator and the item ID lists it frees.
#pragma once

#include <shlobj.h>

namespace zc {

// One reference to a COM interface, released when the owner goes.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (m_object) m_object->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return m_object; }
    Interface* Get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // The out-argument that a creating call fills; only on an empty owner.
    Interface** Out() { return &m_object; }
    void** OutVoid() { return reinterpret_cast<void**>(&m_object); }

private:
    Interface* m_object = nullptr;
};

// The shell's allocator (SHGetMalloc), which frees item ID lists.
class ShellAllocator {
public:
    ShellAllocator() {
        if (FAILED(SHGetMalloc(m_malloc.Out()))) *m_malloc.Out() = nullptr;
    }
    explicit operator bool() const { return static_cast<bool>(m_malloc); }
    void Free(void* block) const {
        if (block && m_malloc) m_malloc->Free(block);
    }

private:
    ComRef<IMalloc> m_malloc;
};

// An item ID list freed with the shell allocator when the owner goes.
class ItemIdList {
public:
    explicit ItemIdList(const ShellAllocator& allocator) : m_allocator(allocator) {}
    ~ItemIdList() { m_allocator.Free(m_item); }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;

    LPITEMIDLIST Get() const { return m_item; }
    LPITEMIDLIST* Out() { return &m_item; }
    explicit operator bool() const { return m_item != nullptr; }

private:
    const ShellAllocator& m_allocator;
    LPITEMIDLIST m_item = nullptr;
};

// The file-system path of the documents folder (CSIDL_PERSONAL) with a trailing backslash, in
// the path work area; null when the folder cannot be located.
const wchar_t* DocumentsFolderInWorkArea(const ShellAllocator& allocator);

}  // namespace zc
