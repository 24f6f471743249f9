// CString: UTF-16 characters behind a length/capacity header; the empty string shares one block.
#include <afx.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <new>

namespace {

struct StringData {
    int nDataLength;
    int nAllocLength;
    LPWSTR data() { return reinterpret_cast<LPWSTR>(this + 1); }
};

struct NilBlock {
    StringData header{0, 0};
    wchar_t terminator = L'\0';
};
NilBlock g_nil;

StringData* HeaderOf(LPWSTR psz) { return reinterpret_cast<StringData*>(psz) - 1; }
bool IsNil(LPWSTR psz) { return psz == g_nil.header.data(); }
int Length(LPCWSTR psz) { return psz ? static_cast<int>(wcslen(psz)) : 0; }

}  // namespace

CString::CString() : m_pszData(g_nil.header.data()) {}
CString::CString(const CString& src) : CString() { Assign(src.m_pszData, src.GetLength()); }
CString::CString(CString&& src) noexcept : m_pszData(src.m_pszData) { src.m_pszData = g_nil.header.data(); }
CString::CString(LPCWSTR psz) : CString() { Assign(psz, Length(psz)); }
CString::CString(LPCWSTR pch, int nLength) : CString() { Assign(pch, pch ? nLength : 0); }
CString::CString(wchar_t ch, int nRepeat) : CString() {
    if (nRepeat <= 0) return;
    Reserve(nRepeat, false);
    for (int i = 0; i < nRepeat; ++i) m_pszData[i] = ch;
    SetLength(nRepeat);
}
CString::CString(LPCSTR psz) : CString() { *this = psz; }
CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::~CString() {
    if (!IsNil(m_pszData)) free(HeaderOf(m_pszData));
}

CString& CString::operator=(const CString& src) {
    if (this != &src) Assign(src.m_pszData, src.GetLength());
    return *this;
}
CString& CString::operator=(CString&& src) noexcept {
    if (this != &src) {
        if (!IsNil(m_pszData)) free(HeaderOf(m_pszData));
        m_pszData = src.m_pszData;
        src.m_pszData = g_nil.header.data();
    }
    return *this;
}
CString& CString::operator=(LPCWSTR psz) {
    Assign(psz, Length(psz));
    return *this;
}
CString& CString::operator=(LPCSTR psz) {
    if (!psz || !*psz) {
        Empty();
        return *this;
    }
    int n = MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 0) {
        Empty();
        return *this;
    }
    Reserve(n - 1, false);
    MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, m_pszData, n);
    SetLength(n - 1);
    return *this;
}
CString& CString::operator=(wchar_t ch) {
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& src) {
    Append(src.m_pszData, src.GetLength());
    return *this;
}
CString& CString::operator+=(LPCWSTR psz) {
    Append(psz, Length(psz));
    return *this;
}
CString& CString::operator+=(wchar_t ch) {
    Append(&ch, 1);
    return *this;
}

int CString::GetLength() const { return HeaderOf(m_pszData)->nDataLength; }
BOOL CString::IsEmpty() const { return GetLength() == 0; }
void CString::Empty() {
    if (!IsNil(m_pszData)) free(HeaderOf(m_pszData));
    m_pszData = g_nil.header.data();
}
wchar_t CString::GetAt(int nIndex) const {
    return (nIndex >= 0 && nIndex <= GetLength()) ? m_pszData[nIndex] : L'\0';
}

int CString::Compare(LPCWSTR psz) const { return wcscmp(m_pszData, psz ? psz : L""); }
int CString::CompareNoCase(LPCWSTR psz) const { return _wcsicmp(m_pszData, psz ? psz : L""); }

int CString::Find(wchar_t ch, int nStart) const {
    if (nStart < 0 || nStart >= GetLength()) return -1;
    const wchar_t* p = wcschr(m_pszData + nStart, ch);  // the terminator itself for ch 0, as in MFC
    return p ? static_cast<int>(p - m_pszData) : -1;
}
int CString::Find(LPCWSTR pszSub, int nStart) const {
    if (!pszSub || nStart < 0 || nStart > GetLength()) return -1;
    const wchar_t* p = wcsstr(m_pszData + nStart, pszSub);
    return p ? static_cast<int>(p - m_pszData) : -1;
}
int CString::ReverseFind(wchar_t ch) const {
    const wchar_t* p = wcsrchr(m_pszData, ch);
    return p ? static_cast<int>(p - m_pszData) : -1;
}
CString CString::Left(int nCount) const {
    if (nCount < 0) nCount = 0;
    if (nCount > GetLength()) nCount = GetLength();
    return CString(m_pszData, nCount);
}
CString CString::Right(int nCount) const {
    if (nCount < 0) nCount = 0;
    if (nCount > GetLength()) nCount = GetLength();
    return CString(m_pszData + GetLength() - nCount, nCount);
}
CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }
CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0) nFirst = 0;
    if (nFirst > GetLength()) nFirst = GetLength();
    if (nCount < 0) nCount = 0;
    if (nCount > GetLength() - nFirst) nCount = GetLength() - nFirst;
    return CString(m_pszData + nFirst, nCount);
}

int CString::Remove(wchar_t ch) {
    int n = GetLength(), kept = 0;
    for (int i = 0; i < n; ++i)
        if (m_pszData[i] != ch) m_pszData[kept++] = m_pszData[i];
    if (kept != n) SetLength(kept);
    return n - kept;
}
void CString::Format(LPCWSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}
void CString::FormatV(LPCWSTR pszFormat, va_list args) {
    va_list probe;
    va_copy(probe, args);
    int n = _vscwprintf(pszFormat, probe);
    va_end(probe);
    if (n <= 0) {
        Empty();
        return;
    }
    Reserve(n, false);
    _vsnwprintf(m_pszData, n + 1, pszFormat, args);
    SetLength(n);
}
void CString::AppendFormat(LPCWSTR pszFormat, ...) {
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    *this += tail;
}

LPWSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < GetLength()) nMinBufLength = GetLength();
    Reserve(nMinBufLength, true);
    return m_pszData;
}
LPWSTR CString::GetBuffer() { return GetBuffer(0); }
void CString::ReleaseBuffer(int nNewLength) {
    if (IsNil(m_pszData)) return;
    int capacity = HeaderOf(m_pszData)->nAllocLength;
    if (nNewLength < 0) nNewLength = static_cast<int>(wcsnlen(m_pszData, capacity));
    if (nNewLength > capacity) nNewLength = capacity;
    SetLength(nNewLength);
}

void CString::Assign(LPCWSTR pch, int nLength) {
    if (nLength <= 0) {
        Empty();
        return;
    }
    if (!IsNil(m_pszData) && pch >= m_pszData && pch <= m_pszData + GetLength()) {
        CString copy(pch, nLength);  // source lies inside this string
        *this = static_cast<CString&&>(copy);
        return;
    }
    Reserve(nLength, false);
    wmemcpy(m_pszData, pch, nLength);
    SetLength(nLength);
}
void CString::Append(LPCWSTR pch, int nLength) {
    if (nLength <= 0) return;
    int old = GetLength();
    if (!IsNil(m_pszData) && pch >= m_pszData && pch <= m_pszData + old) {
        CString copy(pch, nLength);
        Append(copy.m_pszData, nLength);
        return;
    }
    Reserve(old + nLength, true);
    wmemcpy(m_pszData + old, pch, nLength);
    SetLength(old + nLength);
}
void CString::Reserve(int nLength, bool keep) {
    if (!IsNil(m_pszData) && HeaderOf(m_pszData)->nAllocLength >= nLength) return;
    int old = GetLength();
    int alloc = nLength;
    if (keep && alloc < old * 3 / 2) alloc = old * 3 / 2;  // amortised growth for appends
    auto* block = static_cast<StringData*>(malloc(sizeof(StringData) + (alloc + 1) * sizeof(wchar_t)));
    if (!block) throw std::bad_alloc();
    block->nAllocLength = alloc;
    block->nDataLength = 0;
    LPWSTR fresh = block->data();
    fresh[0] = L'\0';
    if (keep && old) {
        wmemcpy(fresh, m_pszData, old + 1);
        block->nDataLength = old;
    }
    if (!IsNil(m_pszData)) free(HeaderOf(m_pszData));
    m_pszData = fresh;
}
void CString::SetLength(int nLength) {
    if (IsNil(m_pszData)) return;
    HeaderOf(m_pszData)->nDataLength = nLength;
    m_pszData[nLength] = L'\0';
}

namespace {
template <class A, class B>
CString Concat(const A& a, const B& b) {
    CString result(a);
    result += b;
    return result;
}
}  // namespace

CString operator+(const CString& a, const CString& b) { return Concat(a, b); }
CString operator+(const CString& a, LPCWSTR b) { return Concat(a, b); }
CString operator+(LPCWSTR a, const CString& b) { return Concat(a, b); }
CString operator+(const CString& a, wchar_t b) { return Concat(a, b); }
CString operator+(wchar_t a, const CString& b) { return Concat(a, b); }

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
bool operator!=(LPCWSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
