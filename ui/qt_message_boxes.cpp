#include "ui/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<std::pair<int, QMessageBox::StandardButton>> ButtonsOf(int style) {
    switch (style & 7) {
        case vbOKCancel:
            return {{vbOK, QMessageBox::Ok}, {vbCancel, QMessageBox::Cancel}};
        case vbAbortRetryIgnore:
            return {{vbAbort, QMessageBox::Abort},
                    {vbRetry, QMessageBox::Retry},
                    {vbIgnore, QMessageBox::Ignore}};
        case vbYesNoCancel:
            return {{vbYes, QMessageBox::Yes},
                    {vbNo, QMessageBox::No},
                    {vbCancel, QMessageBox::Cancel}};
        case vbYesNo:
            return {{vbYes, QMessageBox::Yes}, {vbNo, QMessageBox::No}};
        case vbRetryCancel:
            return {{vbRetry, QMessageBox::Retry}, {vbCancel, QMessageBox::Cancel}};
        default:
            return {{vbOK, QMessageBox::Ok}};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbQuestion:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtMessageBoxes::Show(std::string_view text, int style, std::string_view title) {
    QMessageBox box(IconOf(style), Text(title), Text(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto buttons = ButtonsOf(style);
    for (const auto& [answer, button] : buttons) box.addButton(button);
    const size_t defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].second);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [answer, button] : buttons) {
        if (button == pressed) return answer;
    }
    // Closed without a button: the box's cancel answer, or its default.
    for (const auto& [answer, button] : buttons) {
        if (answer == vbCancel) return answer;
    }
    return DefaultAnswer(style);
}
