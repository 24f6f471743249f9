// Version resources of real modules: the fixed block, the translation and the string values.
#include <gtest/gtest.h>

#include <vector>

#include "cstring_print.h"
#include "version_test_app.h"

namespace {

bool SamePath(const CString& a, const std::wstring& b) { return a.CompareNoCase(b.c_str()) == 0; }

TEST(VersionResource, ReadsAJapaneseTable) {
    TestModule module(L"version_ja.dll");
    ASSERT_NE(module.Handle(), nullptr);
    TestVersion app;
    ASSERT_TRUE(app.ReadResourceInformation(module.Handle()));

    EXPECT_TRUE(SamePath(app.GetAppFilepath(), module.Path())) << app.GetAppFilepath().GetString();
    EXPECT_EQ(app.m_dwTranslation, 0x04B00411u) << "language low, code page high";
    EXPECT_EQ(app.GetAppCompany(), L"株式会社ゼト試験");
    EXPECT_EQ(app.GetAppDescription(), L"日本語の版情報");
    EXPECT_EQ(app.GetAppVersion(), L"2.5 ベータ") << "the text as written";
    EXPECT_EQ(app.GetAppInternalName(), L"version_ja");
    EXPECT_EQ(app.GetAppCopyright(), L"Copyright (C) 2024 ゼト") << "keys are found whatever their case";
    EXPECT_EQ(app.GetAppOriginalname(), L"version_ja.dll");
    EXPECT_EQ(app.GetAppProductName(), L"ゼト 試験製品");
    EXPECT_EQ(app.GetAppProductVersion(), L"1.0 正式版");

    EXPECT_EQ(app.GetAppDllVersion(), L"2.5.3.10") << "built from the fixed block";
    EXPECT_EQ(app.m_appInfo.strMajorVersion, L"2");
    EXPECT_EQ(app.m_appInfo.strMinorVersion, L"5");
    EXPECT_EQ(app.m_fixedFileInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(app.m_fixedFileInfo.dwFileVersionMS, 0x00020005u);
    EXPECT_EQ(app.m_fixedFileInfo.dwFileVersionLS, 0x0003000Au);
    EXPECT_EQ(app.m_fixedFileInfo.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(app.m_fixedFileInfo.dwFileType, DWORD(VFT_DLL));
}

TEST(VersionResource, UsesOnlyTheFirstTranslation) {
    TestModule module(L"version_two.dll");
    TestVersion app;
    ASSERT_TRUE(app.ReadResourceInformation(module.Handle()));
    EXPECT_EQ(app.m_dwTranslation, 0x04B00409u);
    EXPECT_EQ(app.GetAppCompany(), L"English Company");
    EXPECT_EQ(app.GetAppProductName(), L"English Product");
    EXPECT_EQ(app.GetAppVersion(), L"3.0 English");
    EXPECT_TRUE(app.GetAppDescription().IsEmpty()) << "no fallback to the other table";
}

TEST(VersionResource, MissingValueLeavesOnlyItsFieldEmpty) {
    TestModule module(L"version_nointernal.dll");
    TestVersion app;
    ASSERT_TRUE(app.ReadResourceInformation(module.Handle()));
    EXPECT_TRUE(app.GetAppInternalName().IsEmpty());
    EXPECT_EQ(app.GetAppCompany(), L"内部名なし");
    EXPECT_EQ(app.GetAppProductName(), L"内部名なし製品");
    EXPECT_EQ(app.GetAppOriginalname(), L"version_nointernal.dll");
    EXPECT_EQ(app.GetAppDllVersion(), L"1.2.3.4");
}

TEST(VersionResource, WithoutATranslationTableTheHeldPairNamesTheTable) {
    TestModule module(L"version_notranslation.dll");
    TestVersion fresh;
    ASSERT_TRUE(fresh.ReadResourceInformation(module.Handle()));
    EXPECT_EQ(fresh.m_dwTranslation, 0u);
    EXPECT_TRUE(fresh.GetAppCompany().IsEmpty()) << "looked up under 00000000";
    TestVersion japanese;
    japanese.m_dwTranslation = 0x04B00411;
    ASSERT_TRUE(japanese.ReadResourceInformation(module.Handle()));
    EXPECT_EQ(japanese.m_dwTranslation, 0x04B00411u) << "kept";
    EXPECT_EQ(japanese.GetAppCompany(), L"訳表なし");
}

TEST(VersionResource, ModuleWithoutResourceKeepsOnlyItsPath) {
    TestModule module(L"version_none.dll");
    ASSERT_NE(module.Handle(), nullptr);
    TestVersion app;
    EXPECT_FALSE(app.ReadResourceInformation(module.Handle()));
    EXPECT_TRUE(SamePath(app.GetAppFilepath(), module.Path()));
    for (const CString& text : {app.GetAppVersion(), app.GetAppCopyright(), app.GetAppOriginalname(),
                                app.GetAppCompany(), app.GetAppDescription(), app.GetAppInternalName(),
                                app.GetAppProductName(), app.GetAppProductVersion(), app.GetAppDllVersion()})
        EXPECT_TRUE(text.IsEmpty()) << text.GetString();
    EXPECT_EQ(app.m_dwTranslation, 0u);
    EXPECT_EQ(app.m_fixedFileInfo.dwSignature, 0u);
}

TEST(VersionResource, EachReadOverwritesThePrevious) {
    TestModule japanese(L"version_ja.dll");
    TestModule noInternal(L"version_nointernal.dll");
    TestModule none(L"version_none.dll");
    TestVersion app;
    ASSERT_TRUE(app.ReadResourceInformation(japanese.Handle()));
    ASSERT_TRUE(app.ReadResourceInformation(noInternal.Handle()));
    EXPECT_TRUE(app.GetAppInternalName().IsEmpty()) << "not kept from the earlier module";
    EXPECT_EQ(app.GetAppDllVersion(), L"1.2.3.4");

    EXPECT_FALSE(app.ReadResourceInformation(none.Handle()));
    EXPECT_TRUE(SamePath(app.GetAppFilepath(), none.Path()));
    EXPECT_EQ(app.GetAppCompany(), L"内部名なし") << "values stay when the new module has none";
}

TEST(VersionResource, NullHandleReadsTheApplicationsExecutable) {
    TestVersion app;
    ASSERT_TRUE(app.ReadResourceInformation(nullptr));
    EXPECT_TRUE(SamePath(app.GetAppFilepath(), BesideTheProgram(L"version_tests.exe")));
    EXPECT_EQ(app.GetAppProductName(), L"ZetoCom 試験");
    EXPECT_EQ(app.GetAppDllVersion(), L"7.0.0.1");
}

TEST(VersionResource, InitInstanceReadsTheExecutableAndItsTimes) {
    TestVersion app;
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetAppInternalName(), L"version_tests");
    // The times of this program's own file.
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    WIN32_FILE_ATTRIBUTE_DATA facts;
    ASSERT_TRUE(GetFileAttributesExW(self, GetFileExInfoStandard, &facts));
    EXPECT_EQ(CompareFileTime(&app.m_ftLastWrite, &facts.ftLastWriteTime), 0);
    EXPECT_EQ(CompareFileTime(&app.m_ftCreation, &facts.ftCreationTime), 0);
    EXPECT_NE(app.GetAppWriteDate().Find(L'/'), -1) << app.GetAppWriteDate().GetString();
}

TEST(VersionResource, LooksUpOneValueUnderTheCurrentTranslation) {
    const std::wstring path = BesideTheProgram(L"version_ja.dll");
    DWORD dummy = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &dummy));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, DWORD(block.size()), block.data()));

    TestVersion app;
    EXPECT_TRUE(app.GetDynamicInfo(block.data(), L"companyname").IsEmpty()) << "table 00000000 does not exist";
    app.m_dwTranslation = 0x04B00411;
    EXPECT_EQ(app.GetDynamicInfo(block.data(), L"companyname"), L"株式会社ゼト試験");
    EXPECT_TRUE(app.GetDynamicInfo(block.data(), L"Comments").IsEmpty());
    EXPECT_TRUE(app.GetDynamicInfo(block.data()));
    EXPECT_EQ(app.m_dwTranslation, 0x04B00411u);
}

TEST(VersionResource, DottedVersionComesFromTheFixedBlockWords) {
    TestVersion app;
    app.m_fixedFileInfo.dwFileVersionMS = 0xFFFF0000;
    app.m_fixedFileInfo.dwFileVersionLS = 0x0001FFFE;
    EXPECT_TRUE(app.GetFixedFileInfo());
    EXPECT_EQ(app.GetAppDllVersion(), L"65535.0.1.65534");
    EXPECT_EQ(app.m_appInfo.strMajorVersion, L"65535");
    EXPECT_EQ(app.m_appInfo.strMinorVersion, L"0");
}

}  // namespace
