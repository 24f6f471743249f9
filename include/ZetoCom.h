// ZetoCom.dll: shared utilities for the product family's Windows desktop applications.
//
// Plain functions are exported under their plain (C) names; the functions that return CString and
// the members of the three classes are C++ exports whose symbols carry their signatures.
// Results that the library allocates belong to the caller; each declaration names its allocator.
#pragma once

#include <afxwin.h>

#include <iphlpapi.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <time.h>
#include <winsvc.h>

#ifdef ZETOCOM_BUILD
#define ZC_API __declspec(dllexport)
#else
#define ZC_API __declspec(dllimport)
#endif
#define ZC_CAPI extern "C" ZC_API

// ---------------------------------------------------------------------------------------------
// 1. Library frame and error reporting
// ---------------------------------------------------------------------------------------------

// "[Error:%d] %s" with the system text of the code (-1: the thread's last error), shown in a
// message box captioned "Error Message" unless the code equals noError. Returns the resolved code.
ZC_CAPI long Cm_ErrorMessage(long code, long noError);
// The same text, returned; empty when the resolved code equals noError.
ZC_API CString Cm_GetErrorMessage(long code, long noError);

// One process-wide error log. A null path closes the current log and opens none.
ZC_CAPI int Cm_OpenErrorFile(const wchar_t* path, int append);
ZC_CAPI int Cm_WriteErrorString(const wchar_t* text);
ZC_CAPI long Cm_WriteErrorMessage(long code, long noError);
ZC_CAPI void Cm_CloseErrorFile(void);

// ---------------------------------------------------------------------------------------------
// 2. Japanese text and character codes
// ---------------------------------------------------------------------------------------------

// Kind of the byte at 1-based position pos: 0 single byte, 1 lead byte, 2 trail byte.
ZC_CAPI int Cm_CheckKanjiCode(const unsigned char* text, int pos, unsigned short* kind);
// dst must hold 7 bytes per source byte plus 1.
ZC_CAPI void Cm_SJisToJis(const unsigned char* src, unsigned char* dst);
// dst must hold 2 bytes per source byte plus 1.
ZC_CAPI void Cm_JisToSJis(const unsigned char* src, unsigned char* dst);

// Field buffer arrays for the CSV splitters: count blocks of 1024 bytes from malloc.
// Cm_CSVAllocSjis and Cm_CSVFreeSjis are the same operations under their second names.
ZC_CAPI void Cm_CSVAlloc(wchar_t** fields, int count);
ZC_CAPI void Cm_CSVAllocSjis(char** fields, int count);
ZC_CAPI void Cm_CSVFree(wchar_t** fields, int count);
ZC_CAPI void Cm_CSVFreeSjis(char** fields, int count);
// Split one line in place (the line buffer holds at least 4 bytes); returns the fields stored.
ZC_CAPI int Cm_CSVAnalyze(wchar_t* line, wchar_t** fields, int count, wchar_t separator, wchar_t quote);
ZC_CAPI int Cm_CSVAnalyzeSjis(char* line, char** fields, int count, char separator, char quote);

// Conversions. Released with: operator delete (ToUnicode, FromUnicode); free (the others).
ZC_CAPI wchar_t* Cm_ToUnicode(const char* text);
ZC_CAPI char* Cm_FromUnicode(const wchar_t* text);
ZC_CAPI char* Cm_Utf8ToShiftJis(const char* text);
ZC_CAPI char* Cm_UnicodeToUtf8(const wchar_t* text);
// LCMapStringW in the system default locale; flag bits 0x01 hiragana, 0x02 katakana,
// 0x04 half-width, 0x08 full-width, 0x10 lower case, 0x20 upper case, 0x40 sort key, 0x80 byte reverse.
ZC_API CString Cm_ConvStr(unsigned short const* text, unsigned char flags);
ZC_CAPI unsigned char* Cm_16ToChar(const char* hex);
ZC_CAPI void Cm_ChangeByteOrder(unsigned char* buffer, int length);
ZC_CAPI int Cm_StrReplace(wchar_t* text, wchar_t from, wchar_t to);

// Display texts.
ZC_API CString Cm_AddCommaInt(__int64 value);
ZC_API CString Cm_AddCommaReal(double value, int decimals);
ZC_API CString Cm_DispByteSize(__int64 size);

// ---------------------------------------------------------------------------------------------
// 3. Registry access
// ---------------------------------------------------------------------------------------------

// Root selectors: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_USER, 3 HKEY_LOCAL_MACHINE.
// Key paths are key\name, split at the last backslash. Every value written is REG_SZ text.
class ZC_API CRegistry : public CObject {
public:
    CRegistry(const CString& organisation = CString());
    ~CRegistry() override;

    void SetOrganisation(const CString& organisation);
    CString GetOrganisation();

    static int SplitKeyName(const CString& path, CString& key, CString& name);
    static int ConvertToString(const unsigned char* const data, unsigned long type, CString& text);

    int SetEntry(int root, CString path, CString text);
    int SetEntry(int root, CString path, long number);
    int GetEntry(int root, const CString& path, CString& text);
    int GetEntry(int root, const CString& path, long& number);
    int HasKey(int root, const CString& path);
    int DeleteEntry(int root, const CString& path);

    int SetSystemEntry(const CString& key, const CString& name, const CString& text);
    int SetSystemEntry(const CString& key, const CString& name, long number);
    int HasSystemKey(const CString& key, const CString& name);
    int GetSystemEntry(const CString& key, const CString& name, CString& text);
    int GetSystemEntry(const CString& key, const CString& name, long& number);

    int SetUserEntry(const CString& key, const CString& name, const CString& text);
    int SetUserEntry(const CString& key, const CString& name, long number);
    int HasUserKey(const CString& key, const CString& name);
    int GetUserEntry(const CString& key, const CString& name, CString& text);
    int GetUserEntry(const CString& key, const CString& name, long& number);

    int SetMachineEntry(const CString& key, const CString& name, const CString& text);
    int SetMachineEntry(const CString& key, const CString& name, long number);
    int HasMachineKey(const CString& key, const CString& name);
    int GetMachineEntry(const CString& key, const CString& name, CString& text);
    int GetMachineEntry(const CString& key, const CString& name, long& number);
    int DeleteMachineEntry(const CString& key, const CString& name);

    int RegisterApp(CString subkey, CString text);
    int HaveRegistered(CString subkey) const;
    int GetExtension(CString name, CString& text);

private:
    CString m_strOrganisation;
};

// ---------------------------------------------------------------------------------------------
// 4. Operating system and machine information
// ---------------------------------------------------------------------------------------------

// Snapshot of the running system's version record and product code, taken at construction.
class ZC_API COsInfo : public CObject {
public:
    COsInfo();
    ~COsInfo() override;

    int GetKind();  // 0 to 10
    int GetPlatform();
    int GetMajorVer();
    int GetMinorVer();
    int GetBuildNum();
    CString GetCSDVer();
    // pszServicePack, when not null, must hold the service-pack text plus three units.
    CString GetName(unsigned short* pszServicePack);

    OSVERSIONINFOEXW m_osvi;
    DWORD m_dwProductType;
};

// Path queries through the name work area.
ZC_API CString Cm_CurrentDirectory();
ZC_API CString Cm_GetModuleFileName(HINSTANCE hModule);

// One MEMORYSTATUSEX figure in bytes; pStatus (may be null) receives the whole record.
ZC_CAPI __int64 Cm_GetTotalPhysMemory(MEMORYSTATUSEX* pStatus);
ZC_CAPI __int64 Cm_GetAvailPhysMemory(MEMORYSTATUSEX* pStatus);
ZC_CAPI __int64 Cm_GetTotalPageFileMemory(MEMORYSTATUSEX* pStatus);
ZC_CAPI __int64 Cm_GetAvailPageFileMemory(MEMORYSTATUSEX* pStatus);
ZC_CAPI __int64 Cm_GetTotalVirtualMemory(MEMORYSTATUSEX* pStatus);
ZC_CAPI __int64 Cm_GetAvailVirtualMemory(MEMORYSTATUSEX* pStatus);
// Working set in bytes (null: this process), -1 without psapi.
ZC_CAPI long Cm_GetProcessUsedMemory(void* hProcess);
ZC_CAPI int Cm_UserIsNTAdmin();

// Display name of the device behind drive number nDrive (0 = A:).
ZC_API CString Cm_GetDeviceNameFromDrive(int nDrive);
// WM_DEVICECHANGE classification: 1 media inserted, 2 media ejected, 3 volume added,
// 4 volume removed, 0 other. pszDrives receives 26 units (letter or blank), no terminator.
ZC_CAPI int Cm_CheckInsOrEjtForDrive(UINT message, WPARAM wParam, LPARAM lParam, unsigned short* pszDrives);

struct CmVolumeInfo {
    wchar_t szVolumeName[1024];
    wchar_t szFileSystemName[1024];
    DWORD dwVolumeSerialNumber;
    DWORD dwMaximumComponentLength;
    DWORD dwFileSystemFlags;
};

// Service records in one malloc block (release with free).
ZC_CAPI ENUM_SERVICE_STATUSW* Cm_GetServiceEnum(DWORD* pdwCount);
ZC_CAPI int Cm_GetProcessList(CStringList* pList);
ZC_CAPI CmVolumeInfo Cm_GetVolumeInfo(const wchar_t* pszRoot);
// *ppTable receives a malloc block (release with free), also when the result is 0.
ZC_CAPI int Cm_GetIfTable(MIB_IFTABLE** ppTable);

// ---------------------------------------------------------------------------------------------
// 5. Files, folders and shell
// ---------------------------------------------------------------------------------------------

// Buffers that a function fills or changes in place hold MAX_PATH (260) units.
ZC_CAPI BOOL Cm_FileExistCheck(LPCWSTR path, BOOL report);
ZC_CAPI BOOL Cm_CheckDirectory(LPCWSTR path, BOOL report);
ZC_CAPI BOOL Cm_RemoveFile(LPCWSTR path, BOOL report);
ZC_CAPI BOOL Cm_CheckUNC(LPCWSTR path);
ZC_CAPI LPWSTR Cm_PathAddBackslash(LPWSTR path);
ZC_CAPI void Cm_StripPath(LPWSTR path);
ZC_CAPI BOOL Cm_RemoveFileSpec(LPWSTR path);
ZC_CAPI void Cm_RemoveExtension(LPWSTR path);
ZC_CAPI LPWSTR Cm_GetExtension(LPCWSTR path);
ZC_CAPI LPWSTR Cm_GetFileName(LPCWSTR path);
ZC_API CString Cm_ExpandEnvironmentStrings(LPCWSTR text);
ZC_API CString Cm_PathUnExpandEnvStrings(LPCWSTR path);
ZC_CAPI BOOL Cm_RenameDir(LPCWSTR oldPath, LPCWSTR newPath);
ZC_CAPI BOOL Cm_GetTempPathName(LPWSTR buffer);
ZC_CAPI BOOL Cm_GetTempFileName(LPWSTR buffer);
ZC_CAPI __int64 Cm_GetFileSize(LPCWSTR path);
ZC_CAPI __int64 Cm_GetDispFreeSpace(LPCWSTR path);
ZC_CAPI __int64 Cm_GetDispTotalSpace(LPCWSTR path);
// Times are the runtime's 32-bit time_t.
ZC_CAPI __time32_t Cm_GetFileLtTime(LPCWSTR path);
ZC_CAPI BOOL Cm_GetFileInfo(LPCWSTR path, struct _stat32i64* info);
ZC_CAPI BOOL Cm_SetFileTime(LPCWSTR path, __time32_t accessTime, __time32_t modificationTime);

ZC_CAPI BOOL Cm_FileSearch(LPCWSTR folder, LPCWSTR pattern, CStringList* list, BOOL includeFolders);
ZC_CAPI void Cm_SearchFolder(CString folder, DWORD* files, DWORD* folders, __int64* bytes);

ZC_CAPI BOOL Cm_CreateLinkFile(LPCWSTR target, LPCSTR linkFile, LPCWSTR arguments, LPCWSTR workingFolder,
                               LPCWSTR iconFile, bool showNormal);
// Icons belong to the caller (DestroyIcon); item ID lists to the shell allocator.
ZC_CAPI HICON Cm_GetFileIcon(LPCWSTR path, UINT flags);
ZC_CAPI HICON Cm_GetFileIcon2(LPCSTR path);
ZC_CAPI HICON Cm_GetSystemIcon(LPCITEMIDLIST item);
ZC_CAPI BOOL Cm_GetSpecialFolder(int folder, LPWSTR buffer);
ZC_CAPI BOOL Cm_GetMyDocument(LPWSTR buffer);
ZC_CAPI LPITEMIDLIST Cm_GetItemIDList(LPCSTR path);
// callback: a BFFCALLBACK as an integer (0 for none); LONG_PTR so that it holds a pointer.
ZC_API CString Cm_SelectedFolder(HWND owner, CString prompt, CString initialFolder, LONG_PTR callback);

// ---------------------------------------------------------------------------------------------
// 6. Window presentation
// ---------------------------------------------------------------------------------------------

ZC_CAPI void Cm_CreateSmoothly(HWND hWnd, BOOL bShow);
ZC_CAPI void Cm_ShowSmoothly(HWND hWnd, BOOL bShow, int nStep, int nLevel);
ZC_CAPI void Cm_DestroySmoothly();
ZC_CAPI void Cm_SetXpStyleTab(HWND hWnd);
ZC_CAPI int Cm_RunAsStart();

// ---------------------------------------------------------------------------------------------
// 7. Application version information
// ---------------------------------------------------------------------------------------------

struct AppVersionInfo {
    CString strFilePath;
    CString strCompanyName;
    CString strLegalCopyright;
    CString strFileDescription;
    CString strFileVersion;
    CString strMajorVersion;
    CString strMinorVersion;
    CString strInternalName;
    CString strOriginalFileName;
    CString strProductName;
    CString strProductVersion;
    CString strDllVersion;
};

// Application object base: reads its own version resource and file times in InitInstance.
class ZC_API CVersion : public CWinApp {
public:
    CVersion();
    ~CVersion() override;

    BOOL InitInstance() override;
    BOOL ReadResourceInformation(HINSTANCE hModule);

    CString GetAppVersion();
    CString GetAppBuildDate();
    CString GetAppLastAccessDate();
    CString GetAppWriteDate();
    CString GetAppFilepath();
    CString GetAppCopyright();
    CString GetAppOriginalname();
    CString GetAppCompany();
    CString GetAppDescription();
    CString GetAppInternalName();
    CString GetAppProductName();
    CString GetAppProductVersion();
    CString GetAppDllVersion();

    int GetMachineEnv();
    void GetOsInfo();
    int InstallPath(CString organisation, CString key, int write);

protected:
    BOOL GetFixedFileInfo();
    BOOL GetDynamicInfo(BYTE* block);
    CString GetDynamicInfo(BYTE* block, LPCWSTR key);
    BOOL ReadFileTime();

public:
    CString m_strInstallPath;
    CString m_strTempPath;
    CString m_strUserName;
    CString m_strComputerName;
    CString m_strRegisteredOwner;
    CString m_strRegisteredOrganization;
    CString m_strProductId;
    AppVersionInfo m_appInfo;
    VS_FIXEDFILEINFO m_fixedFileInfo;
    DWORD m_dwTranslation;
    FILETIME m_ftCreation;
    FILETIME m_ftLastAccess;
    FILETIME m_ftLastWrite;
};
