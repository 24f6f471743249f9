// The running system's name and kind, the host's own version texts and the machine's fields.
#include <ZetoCom.h>

#include "console.h"
#include "demos.h"

namespace {

// The application object of an application that derives from CVersion.
class DemoApp : public CVersion {};

void PrintOs() {
    COsInfo os;
    unsigned short servicePack[160] = {};
    CString name = os.GetName(servicePack);
    PrintLine(L"OS: \"%s\" %s kind %d, version %d.%d build %d, platform %d", name.GetString(),
              reinterpret_cast<const wchar_t*>(servicePack), os.GetKind(), os.GetMajorVer(), os.GetMinorVer(),
              os.GetBuildNum(), os.GetPlatform());
}

}  // namespace

bool DemoVersion() {
    PrintLine(L"== Version and machine ==");
    PrintOs();

    DemoApp app;
    if (!app.InitInstance()) return false;
    PrintLine(L"module %s", app.GetAppFilepath().GetString());
    PrintLine(L"  %s %s (%s), file version %s / %s", app.GetAppProductName().GetString(),
              app.GetAppProductVersion().GetString(), app.GetAppDescription().GetString(),
              app.GetAppVersion().GetString(), app.GetAppDllVersion().GetString());
    PrintLine(L"  %s, %s, internal name %s, original name %s", app.GetAppCompany().GetString(),
              app.GetAppCopyright().GetString(), app.GetAppInternalName().GetString(),
              app.GetAppOriginalname().GetString());
    PrintLine(L"  created %s, written %s, accessed %s", app.GetAppBuildDate().GetString(),
              app.GetAppWriteDate().GetString(), app.GetAppLastAccessDate().GetString());

    if (!app.GetMachineEnv()) return false;
    app.GetOsInfo();
    PrintLine(L"install path %s, temporary path %s", app.m_strInstallPath.GetString(), app.m_strTempPath.GetString());
    PrintLine(L"user %s on %s", app.m_strUserName.GetString(), app.m_strComputerName.GetString());
    PrintLine(L"registered to \"%s\" of \"%s\", product ID %s", app.m_strRegisteredOwner.GetString(),
              app.m_strRegisteredOrganization.GetString(), app.m_strProductId.GetString());
    return !app.GetAppVersion().IsEmpty();
}
