#pragma once

#include <string>
#include <string_view>

// Message boxes as the program's dialogs ask them: a text, a style word of buttons,
// icon and default button, and a title. The answer is the code of the button pressed.

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxAnswer : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(std::string_view text, int style, std::string_view title) = 0;
};

// The answer a box gives when nobody presses anything: its default button.
int DefaultAnswer(int style);

// Until a window layer installs its own, boxes go to standard error and take
// their default answer.
void InstallMessageBoxes(MessageBoxes* boxes);
MessageBoxes& CurrentMessageBoxes();

int MsgBox(std::string_view text, int style = vbOKOnly, std::string_view title = "Kavlor");
