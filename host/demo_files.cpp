// A folder listed with Cm_FileSearch, a tree counted with Cm_SearchFolder, and a shortcut
// created with Cm_CreateLinkFile and read back through the shell's link object.
#include <ZetoCom.h>

#include "console.h"
#include "demos.h"

namespace {

void ListFolder(LPCWSTR folder) {
    CStringList list;
    Cm_FileSearch(folder, L"*.exe", &list, FALSE);
    PrintLine(L"%s\\*.exe: %d entries", folder, static_cast<int>(list.GetCount()));
    int shown = 0;
    for (POSITION at = list.GetHeadPosition(); at && shown < 5; ++shown) PrintLine(L"  %s", list.GetNext(at).GetString());
}

void CountTree(LPCWSTR folder) {
    DWORD files = 0, folders = 0;
    __int64 bytes = 0;
    Cm_SearchFolder(CString(folder), &files, &folders, &bytes);
    PrintLine(L"%s: %lu files, %lu folders, %I64d bytes", folder, files, folders, bytes);
}

// The target and show command stored in a shortcut, as the shell reads them.
bool ReadBack(LPCWSTR linkFile) {
    if (FAILED(CoInitialize(nullptr))) return false;
    bool ok = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t target[MAX_PATH] = L"", arguments[MAX_PATH] = L"";
            if (SUCCEEDED(file->Load(linkFile, STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                link->GetArguments(arguments, MAX_PATH);
                PrintLine(L"shortcut %s -> %s %s", linkFile, target, arguments);
                ok = target[0] != L'\0';
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return ok;
}

}  // namespace

bool DemoFiles() {
    PrintLine(L"== Files, folders and shell ==");
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    ListFolder(system);

    wchar_t windows[MAX_PATH] = L"";
    Cm_GetSpecialFolder(CSIDL_WINDOWS, windows);
    if (!windows[0]) return false;
    CountTree(windows);

    wchar_t documents[MAX_PATH];
    if (Cm_GetMyDocument(documents)) PrintLine(L"documents folder: %s", documents);

    wchar_t link[MAX_PATH];
    if (!Cm_GetTempPathName(link)) return false;
    lstrcatW(link, L"ZetoDemo.lnk");
    char ansiLink[MAX_PATH * 2];
    WideCharToMultiByte(CP_ACP, 0, link, -1, ansiLink, sizeof ansiLink, nullptr, nullptr);
    CString notepad = CString(system) + L"\\notepad.exe";
    Cm_CreateLinkFile(notepad, ansiLink, L"readme.txt", system, notepad, true);
    bool ok = ReadBack(link);
    Cm_RemoveFile(link, FALSE);
    return ok;
}
