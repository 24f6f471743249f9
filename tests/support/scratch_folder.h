// A fresh folder below the temporary directory for one test, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }  // no trailing backslash
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }
    // Writes a file of the given bytes below the folder; returns its full path.
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const;

private:
    std::wstring m_path;
};

// A file of the given logical size that occupies (almost) nothing: marked sparse, then extended.
bool MakeSparseFile(const std::wstring& path, __int64 size);

// The whole content of a file as bytes ("" when it cannot be read).
std::string ReadFileBytes(const std::wstring& path);
