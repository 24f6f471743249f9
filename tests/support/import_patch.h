// One import of a loaded module pointed at another function: a place to watch a system call from.
#pragma once
#include <windows.h>
class ImportPatch {
public:
    ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement) {
        auto* base = reinterpret_cast<BYTE*>(module);
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
            base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
        while (desc->Name && _stricmp(reinterpret_cast<char*>(base + desc->Name), dll) != 0) ++desc;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        for (int i = 0; desc->Name && names[i].u1.AddressOfData && !m_slot; ++i)
            if (!IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal) &&
                !strcmp(reinterpret_cast<char*>(base + names[i].u1.AddressOfData + 2), function))  // after the hint
                m_slot = reinterpret_cast<void**>(base + desc->FirstThunk) + i, m_original = *m_slot;
        Write(replacement);
    }
    ~ImportPatch() { Write(m_original); }
    bool Applied() const { return m_slot != nullptr; }
private:
    void Write(void* value) {
        DWORD old;
        if (m_slot && VirtualProtect(m_slot, sizeof value, PAGE_READWRITE, &old))
            *m_slot = value, VirtualProtect(m_slot, sizeof value, old, &old);
    }
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
