#pragma once

#include <cstdint>
#include <string>

// The row of answer buttons Choice(0-5) under the table.
namespace Video {
// clearTag 1 empties the button's Tag first.
void ShowChoice(int index, const std::string& caption, int clearTag);
// The yes/no question: Choice(1) and Choice(2) with their two answers.
void AskTwoChoices();
// Choice(1) as "&OK", moved half way to Choice(2).
void AskOk();
// Undoes AskOk: Choice(1) hidden, enabled and back at its laid-out place.
void ResetChoiceButton();
// A hidden button is left enabled, so showing it again needs only its caption.
void HideChoice(int index);
void HideAllChoices();
}  // namespace Video

namespace GamePlay {
// The keyboard focus to the hidden default button; a failure is ignored.
void SetDefaultFocus();
}  // namespace GamePlay
