// Splits a CSV line, then prints its own file version, read through CVersion, and the two DLLs'.
#include <ZetoCom.h>
#include <cstdio>
#include <string>
#include <vector>

static std::string Narrow(const wchar_t* text) { return std::string(text, text + wcslen(text)); }

static std::string FileVersion(const wchar_t* module) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(GetModuleHandleW(module), path, MAX_PATH);
    std::vector<BYTE> data(GetFileVersionInfoSizeW(path, nullptr));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (data.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size))
        return "no version";
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) +
           "." + std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

int main() {
    wchar_t line[] = L"a,\"b,c\",d";
    wchar_t* fields[4];
    Cm_CSVAlloc(fields, 4);
    const int count = Cm_CSVAnalyze(line, fields, 4, L',', L'"');
    std::printf("%d fields: %s|%s|%s\n", count, Narrow(fields[0]).c_str(), Narrow(fields[1]).c_str(),
                Narrow(fields[2]).c_str());
    Cm_CSVFree(fields, 4);
    CVersion app;
    if (!app.InitInstance()) return 1;
    std::printf("consumer.exe %s\n", Narrow(app.GetAppDllVersion().GetString()).c_str());
    std::printf("ZetoCom.dll %s\nZetoMfc.dll %s\n", FileVersion(L"ZetoCom.dll").c_str(),
                FileVersion(L"ZetoMfc.dll").c_str());
    return 0;
}
