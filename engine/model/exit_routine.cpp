#include "engine/model/exit_routine.h"

namespace {

std::function<void()>& Routine() {
    static std::function<void()> routine;
    return routine;
}

}  // namespace

void KavlorMain::ExitProgram() {
    if (Routine()) Routine()();
}

void KavlorMain::InstallExitRoutine(std::function<void()> routine) {
    Routine() = std::move(routine);
}
