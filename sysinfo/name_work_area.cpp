#include "name_work_area.h"

namespace zc {

wchar_t* NameWorkArea() {
    static wchar_t area[kNameWorkAreaUnits];
    return area;
}

}  // namespace zc
