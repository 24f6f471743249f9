// The module entry: its decisions against the real MFC layer, and the real DLL loaded by hand.
#include <gtest/gtest.h>

#include "module_entry.h"

namespace {

int ChainEntriesOf(HMODULE module) {
    int count = 0;
    for (CDynLinkLibrary* dll = AfxGetModuleState()->m_libraryList; dll; dll = dll->m_pNextDLL)
        if (dll->m_hModule == module) ++count;
    return count;
}

TEST(ModuleEntry, RefusedRegistrationFailsTheAttach) {
    AFX_EXTENSION_MODULE record = {};
    CDynLinkLibrary* before = AfxGetModuleState()->m_libraryList;
    EXPECT_FALSE(zc::ModuleEntry(record, nullptr, DLL_PROCESS_ATTACH));
    EXPECT_EQ(AfxGetModuleState()->m_libraryList, before);
}

TEST(ModuleEntry, AttachLinksAndDetachUnlinks) {
    AFX_EXTENSION_MODULE record = {};
    HMODULE self = GetModuleHandleW(nullptr);
    ASSERT_TRUE(zc::ModuleEntry(record, self, DLL_PROCESS_ATTACH));
    EXPECT_EQ(ChainEntriesOf(self), 1);
    EXPECT_TRUE(zc::ModuleEntry(record, self, DLL_THREAD_ATTACH));
    EXPECT_TRUE(zc::ModuleEntry(record, self, DLL_THREAD_DETACH));
    EXPECT_EQ(ChainEntriesOf(self), 1);
    EXPECT_TRUE(zc::ModuleEntry(record, self, DLL_PROCESS_DETACH));
    EXPECT_EQ(ChainEntriesOf(self), 0);
}

DWORD WINAPI Nothing(void*) { return 0; }

TEST(ModuleEntry, TheLibraryLoadsAndUnloadsRepeatedly) {
    for (int round = 0; round < 3; ++round) {
        HMODULE library = LoadLibraryW(L"ZetoCom.dll");
        ASSERT_NE(library, nullptr) << "round " << round << ", error " << GetLastError();
        EXPECT_EQ(ChainEntriesOf(library), 1);
        EXPECT_NE(GetProcAddress(library, "Cm_ErrorMessage"), nullptr);

        // A thread started and ended while the library is loaded leaves its registration alone.
        HANDLE thread = CreateThread(nullptr, 0, Nothing, nullptr, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        EXPECT_EQ(ChainEntriesOf(library), 1);

        ASSERT_TRUE(FreeLibrary(library));
        EXPECT_EQ(GetModuleHandleW(L"ZetoCom.dll"), nullptr);
        EXPECT_EQ(ChainEntriesOf(library), 0);
    }
}

}  // namespace
