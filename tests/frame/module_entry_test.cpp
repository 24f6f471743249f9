// The module entry against the real MFC layer, and the real library loaded and unloaded by hand.
#include <gtest/gtest.h>
#include "module_entry.h"
static int ChainEntriesOf(HMODULE module) {
    int count = 0;
    for (auto* dll = AfxGetModuleState()->m_libraryList; dll; dll = dll->m_pNextDLL) count += dll->m_hModule == module;
    return count;
}
TEST(ModuleEntry, LinksTheModuleFromProcessAttachToDetachUnlessMfcRefuses) {
    AFX_EXTENSION_MODULE refused = {}, record = {};
    EXPECT_FALSE(zc::ModuleEntry(refused, nullptr, DLL_PROCESS_ATTACH));
    EXPECT_EQ(ChainEntriesOf(nullptr), 0);
    for (DWORD reason : {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
        EXPECT_TRUE(zc::ModuleEntry(record, GetModuleHandleW(nullptr), reason)) << reason;
        EXPECT_EQ(ChainEntriesOf(GetModuleHandleW(nullptr)), reason != DLL_PROCESS_DETACH) << reason;
    }
    for (int round = 0; round < 2; ++round) {
        const HMODULE library = LoadLibraryW(L"ZetoCom.dll");
        EXPECT_EQ(ChainEntriesOf(library), 1) << "round " << round << ", error " << GetLastError();
        EXPECT_TRUE(FreeLibrary(library) && !ChainEntriesOf(library)) << "round " << round;
    }
}
