// CVersion: the three times of the module file and their display texts.
#include <ZetoCom.h>

#include <afxdisp.h>

namespace {

// Local date and time in the user's locale: the short date, then the time unless it is midnight.
CString FormatFileTime(const FILETIME& time) {
    COleDateTime date;
    date = time;
    return date.Format(0, LANG_USER_DEFAULT);
}

}  // namespace

BOOL CVersion::ReadFileTime() {
    // Mode 0: read access in the compatibility (exclusive) sharing mode.
    CFile file;
    if (!file.Open(m_appInfo.strFilePath, 0, nullptr)) return FALSE;
    const BOOL read = GetFileTime(file, &m_ftCreation, &m_ftLastAccess, &m_ftLastWrite);
    file.Close();
    return read;
}

CString CVersion::GetAppBuildDate() { return FormatFileTime(m_ftCreation); }
CString CVersion::GetAppLastAccessDate() { return FormatFileTime(m_ftLastAccess); }
CString CVersion::GetAppWriteDate() { return FormatFileTime(m_ftLastWrite); }
