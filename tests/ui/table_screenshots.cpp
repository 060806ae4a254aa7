// Saves pictures of the table window at two scales into the given folder.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "render/choice_buttons.h"
#include "render/screen_scale.h"
#include "render/table_controls.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    // The boxes in their design colours, so the layout shows.
    SetBit(flags.Stat2, Stat2Bits::DesignColours);
    for (float s : {1.0f, 1.5f}) {
        scale = {};
        scale.ScaleFactor = s;
        if (!KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96})) return 1;
        flow.Ptrg = 0;
        frmMain window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return 1;
        FormFunctions::SaveTableControls();
        flow.Ptrg = 2000;
        FormFunctions::ApplyTableColors();
        for (int i = 0; i < 4; ++i) Video::ShowChoice(i, "&Choice " + std::to_string(i), 0);
        Video::ShowChoice(4, "Cancel", 1);
        Video::ShowChoice(5, "Review", 0);
        QTest::qWait(100);
        const QString file =
            folder + QString("/table-%1.png").arg(static_cast<double>(s), 0, 'f', 1);
        if (!window.grab().save(file)) return 1;
        std::printf("saved %s\n", file.toLocal8Bit().constData());
    }
    return 0;
}
