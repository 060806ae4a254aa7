#include "render/table_host.h"

namespace {

TableHost* installedTable = nullptr;

}  // namespace

void InstallTable(TableHost* table) {
    installedTable = table;
}

TableHost* CurrentTable() {
    return installedTable;
}
