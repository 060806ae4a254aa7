#include "platform/message_boxes.h"

#include <array>
#include <iostream>

namespace {

class StderrMessageBoxes final : public MessageBoxes {
public:
    int Show(std::string_view text, int style, std::string_view title) override {
        std::cerr << "[" << title << "] " << text << '\n';
        return DefaultAnswer(style);
    }
};

StderrMessageBoxes fallbackBoxes;
MessageBoxes* installedBoxes = nullptr;

}  // namespace

int DefaultAnswer(int style) {
    using Buttons = std::array<int, 3>;
    static constexpr std::array<Buttons, 6> kButtons{{
        {vbOK, vbOK, vbOK},
        {vbOK, vbCancel, vbCancel},
        {vbAbort, vbRetry, vbIgnore},
        {vbYes, vbNo, vbCancel},
        {vbYes, vbNo, vbNo},
        {vbRetry, vbCancel, vbCancel},
    }};
    const int set = style & 7;
    if (set >= static_cast<int>(kButtons.size())) return vbOK;
    const int which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    return kButtons[static_cast<size_t>(set)][static_cast<size_t>(which)];
}

void InstallMessageBoxes(MessageBoxes* boxes) { installedBoxes = boxes; }

MessageBoxes& CurrentMessageBoxes() {
    return installedBoxes ? *installedBoxes : static_cast<MessageBoxes&>(fallbackBoxes);
}

int MsgBox(std::string_view text, int style, std::string_view title) {
    return CurrentMessageBoxes().Show(text, style, title);
}
