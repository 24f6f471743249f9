// The number texts as CString values for the host.
#include <ZetoCom.h>

#include "text_api.h"

CString Cm_AddCommaInt(__int64 value) {
    zc::NumberText text;
    zc::FormatCommaInt(value, text);
    return CString(text);
}

CString Cm_AddCommaReal(double value, int decimals) {
    zc::NumberText text;
    zc::FormatCommaReal(value, decimals, text);
    return CString(text);
}

CString Cm_DispByteSize(__int64 size) {
    zc::NumberText text;
    zc::FormatByteSize(size, text);
    return CString(text);
}
