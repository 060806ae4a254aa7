#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <memory>

#include "engine/model/exit_routine.h"
#include "engine/model/state/run_flags.h"
#include "platform/paths.h"
#include "platform/random_source.h"
#include "render/screen_scale.h"
#include "ui/frm_main.h"
#include "ui/qt_message_boxes.h"

namespace {

void SetPaths() {
    paths.DataFolder = APIs::SpecialFolder(kCommonAppData) + "/Kavlor";
    paths.IniPath = paths.DataFolder + "/Kavlor.ini";
    paths.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    QDir().mkpath(QString::fromStdString(paths.DataFolder));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kavlor");
    QtMessageBoxes boxes;
    InstallMessageBoxes(&boxes);
    SeededRandom random{static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch())};
    InstallRandomSource(&random);
    SetPaths();
    if (!KavlorMain::ApplyDisplayScale()) return 1;

    frmMain table;
    KavlorMain::InstallExitRoutine([&table] {
        table.KeepWindowRect();
        SetBit(flags.Stat0, Stat0Bits::ExitStarted);
        table.Unload();
    });
    table.show();
    const int code = QApplication::exec();
    KavlorMain::InstallExitRoutine({});
    InstallMessageBoxes(nullptr);
    InstallRandomSource(nullptr);
    return code;
}
