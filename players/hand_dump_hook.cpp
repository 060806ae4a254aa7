#include "players/hand_dump_hook.h"

namespace {
std::function<void(int)>& Dump() {
    static std::function<void(int)> dump;
    return dump;
}
}  // namespace

void LogicMain::InstallHandDump(std::function<void(int)> dump) {
    Dump() = std::move(dump);
}

void LogicMain::WriteHandDump(int mode) {
    if (Dump()) Dump()(mode);
}
