// A CSV line split into its fields, a Shift_JIS text taken to JIS and back, and number texts.
#include <ZetoCom.h>

#include <cstring>

#include "console.h"
#include "demos.h"

namespace {

bool SplitLine() {
    wchar_t line[] = L"\u6771\u4EAC,\"1,234\",\"\u65B0\"\"\u5BBF\"\"\",,end\n";
    PrintLine(L"CSV line: %.*s", static_cast<int>(wcslen(line)) - 1, line);
    wchar_t* fields[6];
    Cm_CSVAlloc(fields, 6);
    int n = Cm_CSVAnalyze(line, fields, 6, L',', L'"');
    for (int i = 0; i < n; ++i) PrintLine(L"  field %d: <%s>", i + 1, fields[i]);
    Cm_CSVFree(fields, 6);
    return n == 5;
}

bool JisRoundTrip() {
    // "日本語ｶﾅ text" in Shift_JIS, ending in CR LF.
    const unsigned char sjis[] = "\x93\xFA\x96\x7B\x8C\xEA\xB6\xC5 text\r\n";
    unsigned char jis[sizeof sjis * 7 + 1];
    unsigned char back[sizeof jis * 2 + 1];
    Cm_SJisToJis(sjis, jis);
    Cm_JisToSJis(jis, back);
    CString hex;
    for (const unsigned char* p = jis; *p; ++p) hex.AppendFormat(L"%02X ", *p);
    PrintLine(L"Shift_JIS -> JIS: %s", hex.GetString());
    bool same = std::strcmp(reinterpret_cast<const char*>(sjis), reinterpret_cast<const char*>(back)) == 0;
    PrintLine(L"JIS -> Shift_JIS: %s", same ? L"the same bytes again" : L"DIFFERENT bytes");
    return same;
}

}  // namespace

bool DemoText() {
    PrintLine(L"== Japanese text ==");
    bool ok = SplitLine();
    ok = JisRoundTrip() && ok;
    PrintLine(L"numbers: %s / %s / %s", Cm_AddCommaInt(-1234567).GetString(), Cm_AddCommaReal(1234.5, 2).GetString(),
              Cm_DispByteSize(5366336).GetString());
    return ok;
}
