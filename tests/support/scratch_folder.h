// A fresh folder below the temporary directory for one test, removed with everything in it.
#pragma once
#include <windows.h>
#include <filesystem>
#include <fstream>
#include <sstream>
class ScratchFolder {
public:
    ScratchFolder() {
        static LONG count = 0;
        wchar_t temp[MAX_PATH];
        m_path = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"zc-test-" +
                 std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(InterlockedIncrement(&count));
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::wstring& Path() const { return m_path; }  // no trailing backslash
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const {  // gives the path
        std::ofstream(std::filesystem::path(*this / name), std::ios::binary) << bytes;
        return *this / name;
    }
private:
    std::wstring m_path;
};

// The whole content of a file ("" when it cannot be read).
inline std::string ReadFileBytes(const std::wstring& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(std::filesystem::path(path), std::ios::binary).rdbuf();
    return bytes.str();
}

// A file of the given logical size that occupies (almost) nothing: marked sparse, then extended.
inline bool MakeSparseFile(const std::wstring& path, __int64 size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);  // best effort
    const LARGE_INTEGER end = {{DWORD(size), LONG(size >> 32)}};
    const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    return CloseHandle(file) && ok;
}
