// ZetoDemo: a console host that links ZetoCom.dll through its import library, as an application does.
#include "console.h"
#include "demos.h"

int wmain() {
    bool (*const demos[])() = {DemoErrors, DemoText, DemoFiles, DemoRegistry, DemoMachine, DemoVersion};
    bool ok = true;
    for (auto demo : demos) ok = demo() && ok;
    PrintLine(ok ? L"ZetoDemo: all demonstrations ran" : L"ZetoDemo: a demonstration failed");
    return ok ? 0 : 1;
}
