// Core of the MFC-compatible layer: CObject, CString, CStringList, CTime and CFile.
#pragma once

#include "afxver_.h"
#include <cstdarg>

class CArchive;
class CDumpContext;
class CFileException;
class CObject;

struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    const CRuntimeClass* m_pBaseClass;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// Virtual slots in MFC's order: GetRuntimeClass, destructor, Serialize, AssertValid, Dump.
class AFX_API CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    static const CRuntimeClass classCObject;

protected:
    CObject() = default;

public:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// UTF-16 string with value semantics. The object is one pointer to the characters; the length and
// capacity live in a header in front of them, and the empty string shares one static block.
class AFX_API CString {
public:
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(LPCWSTR psz);
    CString(LPCWSTR pch, int nLength);
    CString(wchar_t ch, int nRepeat = 1);
    CString(LPCSTR psz);  // widened through the calling thread's ANSI code page
    CString(const unsigned char* psz);
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCWSTR psz);
    CString& operator=(LPCSTR psz);
    CString& operator=(wchar_t ch);

    CString& operator+=(const CString& src);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(wchar_t ch);

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();
    LPCWSTR GetString() const { return m_pszData; }
    operator LPCWSTR() const { return m_pszData; }
    wchar_t GetAt(int nIndex) const;
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }

    int Compare(LPCWSTR psz) const;
    int CompareNoCase(LPCWSTR psz) const;

    int Find(wchar_t ch, int nStart = 0) const;
    int Find(LPCWSTR pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

    int Remove(wchar_t ch);

    void Format(LPCWSTR pszFormat, ...);
    void FormatV(LPCWSTR pszFormat, va_list args);
    void AppendFormat(LPCWSTR pszFormat, ...);

    // Direct access to the characters: at least nMinBufLength units plus the terminator.
    LPWSTR GetBuffer(int nMinBufLength);
    LPWSTR GetBuffer();
    void ReleaseBuffer(int nNewLength = -1);

    friend AFX_API CString operator+(const CString& a, const CString& b);
    friend AFX_API CString operator+(const CString& a, LPCWSTR b);
    friend AFX_API CString operator+(LPCWSTR a, const CString& b);
    friend AFX_API CString operator+(const CString& a, wchar_t b);
    friend AFX_API CString operator+(wchar_t a, const CString& b);

private:
    void Assign(LPCWSTR pch, int nLength);
    void Append(LPCWSTR pch, int nLength);
    void Reserve(int nLength, bool keep);
    void SetLength(int nLength);

    LPWSTR m_pszData;
};
static_assert(sizeof(CString) == sizeof(void*), "a CString is one pointer, as in MFC");

AFX_API bool operator==(const CString& a, const CString& b);
AFX_API bool operator==(const CString& a, LPCWSTR b);
AFX_API bool operator==(LPCWSTR a, const CString& b);
AFX_API bool operator!=(const CString& a, const CString& b);
AFX_API bool operator!=(const CString& a, LPCWSTR b);
AFX_API bool operator!=(LPCWSTR a, const CString& b);
AFX_API bool operator<(const CString& a, const CString& b);
AFX_API bool operator>(const CString& a, const CString& b);

struct __POSITION {};
typedef __POSITION* POSITION;

// Doubly linked list of CString values.
class AFX_API CStringList : public CObject {
public:
    explicit CStringList(INT_PTR nBlockSize = 10);
    ~CStringList() override;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    CString& GetHead();
    const CString& GetHead() const;
    CString& GetTail();
    const CString& GetTail() const;
    CString RemoveHead();
    CString RemoveTail();
    POSITION AddHead(const CString& value);
    POSITION AddTail(const CString& value);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    CString& GetNext(POSITION& rPosition);
    const CString& GetNext(POSITION& rPosition) const;
    CString& GetPrev(POSITION& rPosition);
    const CString& GetPrev(POSITION& rPosition) const;
    CString& GetAt(POSITION position);
    const CString& GetAt(POSITION position) const;
    void RemoveAt(POSITION position);
    POSITION Find(LPCWSTR searchValue, POSITION startAfter = nullptr) const;
    POSITION FindIndex(INT_PTR nIndex) const;

    struct CNode;

private:
    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

// A point in time, seconds since 1970-01-01 UTC (64-bit).
class AFX_API CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    static CTime WINAPI GetCurrentTime();
    __time64_t GetTime() const { return m_time; }
    // strftime-style text of the local time.
    CString Format(LPCWSTR pszFormat) const;

private:
    __time64_t m_time = 0;
};

class AFX_API CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
        shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030, shareDenyNone = 0x0040, modeNoInherit = 0x0080,
        modeCreate = 0x1000, modeNoTruncate = 0x2000,
    };

    CFile();
    ~CFile() override;  // closes a file still open

    virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();
    operator HANDLE() const { return m_hFile; }

    HANDLE m_hFile;
};
