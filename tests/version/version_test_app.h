// The application object of the version tests, with CVersion's protected steps opened up, and
// the modules built next to the test program.
#pragma once

#include <ZetoCom.h>

#include <string>

class TestVersion : public CVersion {
public:
    using CVersion::GetDynamicInfo;
    using CVersion::GetFixedFileInfo;
    using CVersion::ReadFileTime;
};

// Full path of a file next to the test program.
inline std::wstring BesideTheProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1) + name;
}

// A test module loaded for the scope of one test.
class TestModule {
public:
    explicit TestModule(const wchar_t* name) : m_path(BesideTheProgram(name)), m_h(LoadLibraryExW(m_path.c_str(), nullptr, 0)) {}
    ~TestModule() {
        if (m_h) FreeLibrary(m_h);
    }
    TestModule(const TestModule&) = delete;
    TestModule& operator=(const TestModule&) = delete;

    HINSTANCE Handle() const { return m_h; }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    HMODULE m_h;
};
