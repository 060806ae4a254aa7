#include "platform/cursor.h"

#include <QCursor>
#include <cmath>
#include <utility>

namespace APIs {
namespace {
HelpWindowLocator& Locator() {
    static HelpWindowLocator locator;
    return locator;
}

int32_t Middle(int start, int length) {
    return start + static_cast<int32_t>(std::nearbyint(length / 2.0));
}
}  // namespace

void InstallHelpWindowLocator(HelpWindowLocator locator) {
    Locator() = std::move(locator);
}

void CenterCursorOnHelp() {
    if (!Locator()) return;
    const QRect window = Locator()();
    if (window.isEmpty()) return;
    QCursor::setPos(Middle(window.left(), window.width()), Middle(window.top(), window.height()));
}

void SaveRestoreCursor(int32_t mode) {
    if (mode == 0) {
        const QPoint now = QCursor::pos();
        savedCursor = {now.x(), now.y()};
    } else if (mode == 1 && savedCursor.X > 0 && savedCursor.Y > 0) {
        QCursor::setPos(savedCursor.X, savedCursor.Y);
    }
}

}  // namespace APIs
