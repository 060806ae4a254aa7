#include <QApplication>

#include "engine/command_line.h"
#include "engine/exit_steps.h"
#include "engine/model/exit_routine.h"
#include "engine/startup.h"
#include "ui/frm_main.h"
#include "ui/qt_message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kavlor");
    QtMessageBoxes boxes;
    InstallMessageBoxes(&boxes);
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    int code = 1;
    if (KavlorMain::StartProgram(programFolder, KavlorMain::CommandLineText(argc, argv))) {
        frmMain table;
        KavlorMain::InstallExitRoutine([&table] {
            KavlorMain::RunExitRoutine(
                {[&table] { table.KeepWindowRect(); }, [&table] { table.Unload(); }});
        });
        table.show();
        code = QApplication::exec();
        KavlorMain::InstallExitRoutine({});
    }
    KavlorMain::FinishProgram();
    InstallMessageBoxes(nullptr);
    return code;
}
