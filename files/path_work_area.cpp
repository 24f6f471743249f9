#include "path_work_area.h"

#include <cstring>

namespace zc {

namespace {
wchar_t g_pathWorkArea[kPathWorkAreaUnits];
}  // namespace

wchar_t* PathWorkArea() {
    return g_pathWorkArea;
}

wchar_t* ClearedPathWorkArea() {
    std::memset(g_pathWorkArea, 0, sizeof g_pathWorkArea);
    return g_pathWorkArea;
}

}  // namespace zc
