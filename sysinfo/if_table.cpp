// The network interface table, sorted by interface index, in one malloc block.
#include <ZetoCom.h>

#include <cstdlib>

int Cm_GetIfTable(MIB_IFTABLE** ppTable) {
    if (!ppTable) return 0;
    ULONG size = 0;
    GetIfTable(nullptr, &size, TRUE);
    auto* table = static_cast<MIB_IFTABLE*>(malloc(size));
    *ppTable = table;
    // Without a block the system call would only report the size again: no table.
    if (!table) return 0;
    return GetIfTable(table, &size, TRUE) == NO_ERROR ? 1 : 0;
}
