// The standard error text "[Error:%d] %s", shown in a message box or returned.
#include <ZetoCom.h>

#include <cwchar>

#include "system_text.h"

namespace {

constexpr int kTextCapacity = 1024;

// Composes the error text of a resolved code; a text too long for the buffer is cut.
void ComposeErrorText(long code, wchar_t (&buffer)[kTextCapacity]) {
    zc::SystemText system(code);
    _snwprintf(buffer, kTextCapacity - 1, L"[Error:%d] %s", static_cast<int>(code), system.Text());
    buffer[kTextCapacity - 1] = L'\0';
}

}  // namespace

long Cm_ErrorMessage(long code, long noError) {
    code = zc::ResolveErrorCode(code);
    if (code == noError) return code;
    wchar_t text[kTextCapacity];
    ComposeErrorText(code, text);
    MessageBoxW(nullptr, text, L"Error Message", MB_OK | MB_ICONINFORMATION);
    return code;
}

CString Cm_GetErrorMessage(long code, long noError) {
    code = zc::ResolveErrorCode(code);
    if (code == noError) return CString();
    wchar_t text[kTextCapacity];
    ComposeErrorText(code, text);
    return CString(text);
}
