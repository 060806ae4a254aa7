#pragma once

#include "platform/message_boxes.h"

// Message boxes as QMessageBox dialogs, modal over the active window.
class QtMessageBoxes final : public MessageBoxes {
  public:
    int Show(std::string_view text, int style, std::string_view title) override;
};
