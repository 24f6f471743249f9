// OLE Automation date of the MFC layer.
#pragma once

#include "afx.h"

class AFX_API COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime();
    COleDateTime(const FILETIME& fileTimeSrc);
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(DATE dtSrc);

    // The FILETIME is taken as UTC and converted to local time.
    COleDateTime& operator=(const FILETIME& fileTimeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    // VarBstrFromDate text in the given locale; "Invalid DateTime" for an invalid value.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

    DATE m_dt;
    DateTimeStatus m_status;
};
