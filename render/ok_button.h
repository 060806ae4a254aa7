#pragma once

// The single OK answer on Choice(1), and putting that button back afterwards.
namespace Video {
void AskOk();
void ResetChoiceButton();
}  // namespace Video
