#include "ui/closing_window.h"

#include <QPalette>
#include <QTimer>
#include <QWidget>

#include "engine/model/state/run_flags.h"
#include "platform/screen.h"
#include "platform/settings/player_settings.h"
#include "render/gdi/surface.h"
#include "render/table_controls.h"

namespace {
constexpr int kShownMs = 1000;
}

void FormFunctions::ShowClosingScreen() {
    SetBit(flags.Stat0, Stat0Bits::ClosingScreenShown);
    auto* ending = new QWidget;
    ending->setObjectName("frmEnding");
    ending->setAttribute(Qt::WA_DeleteOnClose);
    ending->setWindowTitle("Kavlor");
    QPalette palette = ending->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(ToQRgb(settings.Background)));
    ending->setPalette(palette);
    ending->setAutoFillBackground(true);
    const WindowRect& rect = tableControls.MainWindowRect;
    const ScreenMetrics screen = APIs::CurrentScreen();
    if (rect.Width > 0 && rect.Height > 0) {
        ending->setGeometry(static_cast<int>(rect.Left / screen.TwipsPerPixelX()),
                            static_cast<int>(rect.Top / screen.TwipsPerPixelY()),
                            static_cast<int>(rect.Width / screen.TwipsPerPixelX()),
                            static_cast<int>(rect.Height / screen.TwipsPerPixelY()));
    }
    ending->show();
    QTimer::singleShot(kShownMs, ending, &QWidget::close);
}
