// Shortcut files written through the shell's ShellLink object. COM is reached through ole32
// loaded for the call, so the library does not depend on it at load time; every failure is
// silent and the result is always TRUE. Without a target or a link path nothing is written; a
// null argument, working folder or icon file is an empty one.
#include <ZetoCom.h>

#include "../sysinfo/loaded_module.h"
#include "shell_objects.h"

namespace {

using CoInitializeFn = HRESULT(WINAPI*)(LPVOID);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoUninitializeFn = void(WINAPI*)();

const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct LinkProperties {
    LPCWSTR target;
    LPCWSTR arguments;
    LPCWSTR workingFolder;
    LPCWSTR iconFile;
    bool showNormal;
};

// Creates the link object, sets its properties and saves it; the interfaces are released before
// the caller uninitialises COM.
void SaveLink(CoCreateInstanceFn create, const LinkProperties& properties, LPCSTR linkFile) {
    zc::ComRef<IShellLinkW> link;
    if (FAILED(create(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW, link.OutVoid())) || !link) return;
    zc::ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(kPersistFile, file.OutVoid())) || !file) return;

    // A link path that does not fit MAX_PATH units is not cut: the link would land elsewhere.
    wchar_t path[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, linkFile, -1, path, MAX_PATH)) return;
    const auto text = [](LPCWSTR value) { return value ? value : L""; };
    link->SetPath(properties.target);
    link->SetDescription(nullptr);
    link->SetArguments(text(properties.arguments));
    link->SetWorkingDirectory(text(properties.workingFolder));
    link->SetIconLocation(text(properties.iconFile), 0);
    link->SetShowCmd(properties.showNormal ? SW_SHOWNORMAL : SW_MINIMIZE);
    file->Save(path, TRUE);
}

}  // namespace

BOOL Cm_CreateLinkFile(LPCWSTR target, LPCSTR linkFile, LPCWSTR arguments, LPCWSTR workingFolder, LPCWSTR iconFile,
                       bool showNormal) {
    if (!target || !linkFile) return TRUE;
    zc::LoadedModule ole32(L"ole32.dll");
    if (!ole32) return TRUE;
    auto initialize = ole32.Find<CoInitializeFn>("CoInitialize");
    auto create = ole32.Find<CoCreateInstanceFn>("CoCreateInstance");
    auto uninitialize = ole32.Find<CoUninitializeFn>("CoUninitialize");
    if (!initialize || !create || !uninitialize) return TRUE;

    // Only a successful initialisation is undone: a caller already in a multithreaded apartment
    // (RPC_E_CHANGED_MODE) keeps its own COM initialisation untouched.
    const bool initialized = SUCCEEDED(initialize(nullptr));
    SaveLink(create, LinkProperties{target, arguments, workingFolder, iconFile, showNormal}, linkFile);
    if (initialized) uninitialize();
    return TRUE;
}
