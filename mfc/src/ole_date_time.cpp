// COleDateTime: an OLE Automation date, converted and formatted by oleaut32.
#include <afxdisp.h>

#include <oleauto.h>

COleDateTime::COleDateTime() : m_dt(0), m_status(valid) {}
COleDateTime::COleDateTime(const FILETIME& fileTimeSrc) : COleDateTime() { *this = fileTimeSrc; }
COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : COleDateTime() { *this = systimeSrc; }
COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}

COleDateTime& COleDateTime::operator=(const FILETIME& fileTimeSrc) {
    FILETIME local;
    SYSTEMTIME st;
    if (FileTimeToLocalFileTime(&fileTimeSrc, &local) && FileTimeToSystemTime(&local, &st))
        return *this = st;
    m_status = invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc) {
    m_status = SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&systimeSrc), &m_dt) ? valid : invalid;
    return *this;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const {
    if (m_status == null) return CString();
    if (m_status != valid) return CString(L"Invalid DateTime");
    BSTR text = nullptr;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &text))) return CString(L"Invalid DateTime");
    CString result(text);
    SysFreeString(text);
    return result;
}
