#pragma once

#include <cstdint>

// The run-time flag words: signed 32-bit, 0 at start, changed bit by bit and
// never stored. Window handlers set request bits here; the game flow reads them
// after each wait.
struct RunFlags {
    int32_t Stat0 = 0;
    int32_t Stat1 = 0;
    int32_t Stat2 = 0;
    int32_t Stat3 = 0;
    int32_t Stat4 = 0;

    bool operator==(const RunFlags&) const = default;
};

inline RunFlags flags;

// A flag is the mask of its bit; a field is a mask with its shift.
struct BitField {
    int32_t mask;
    int shift;
};

namespace Stat0Bits {
inline constexpr int32_t DebugSwitch = 1 << 1;
inline constexpr int32_t RebuildMainWindow = 1 << 2;
inline constexpr int32_t RevealMode = 1 << 3;
inline constexpr int32_t MainWindowClosing = 1 << 4;
inline constexpr BitField OptionsPage{7 << 5, 5};
inline constexpr int32_t DrawingHands = 1 << 8;
inline constexpr int32_t SoundsDialogOpen = 1 << 9;
inline constexpr int32_t SplashOpen = 1 << 10;
inline constexpr int32_t ClosingScreenShown = 1 << 11;
inline constexpr int32_t ThemeWindowFromOptions = 1 << 12;
inline constexpr int32_t ReopenOptions = 1 << 13;
inline constexpr int32_t PlayersFromStart = 1 << 14;
inline constexpr int32_t KittyKnown = 1 << 15;
inline constexpr int32_t HintRunning = 1 << 16;
inline constexpr int32_t ReplayNoScore = 1 << 17;
inline constexpr int32_t ReplayRequested = 1 << 18;
inline constexpr int32_t ReplayRunning = 1 << 19;
inline constexpr int32_t TrumpPlayed = 1 << 20;
inline constexpr int32_t SlowpokeArmed = 1 << 21;
inline constexpr int32_t EveryonePassed = 1 << 22;
inline constexpr int32_t HelpOpened = 1 << 23;
inline constexpr int32_t ExitStarted = 1 << 24;
inline constexpr int32_t ReplayDeclined = 1 << 25;
inline constexpr int32_t LeaveAfterLoop = 1 << 26;
inline constexpr int32_t PlayersChanged = 1 << 27;
inline constexpr int32_t RecoveryCall = 1 << 28;
inline constexpr int32_t MainGameRunning = 1 << 29;
}  // namespace Stat0Bits

namespace Stat1Bits {
inline constexpr int32_t SkipSplash = 1 << 0;
inline constexpr int32_t AutoCloseEnding = 1 << 1;
inline constexpr int32_t SoundCard = 1 << 2;
inline constexpr int32_t KeepSystemVolumes = 1 << 3;
inline constexpr int32_t RestartRequested = 1 << 4;
inline constexpr int32_t NewGameRequested = 1 << 6;
inline constexpr int32_t DemoTimerArmed = 1 << 7;
inline constexpr int32_t FirstPointsToThem = 1 << 9;
inline constexpr BitField ScaleCode{7 << 11, 11};
inline constexpr int32_t ReviewRequested = 1 << 14;
inline constexpr int32_t ComputerDecidesSouth = 1 << 15;
inline constexpr int32_t LearnMode = 1 << 16;
inline constexpr int32_t PartnerPanelShown = 1 << 17;
inline constexpr int32_t ReplayButtonsShown = 1 << 18;
inline constexpr int32_t DiscardNineSignal = 1 << 20;
inline constexpr int32_t FontAdded = 1 << 22;
inline constexpr int32_t NoDiscardChosen = 1 << 24;
inline constexpr int32_t KeyYes = 1 << 25;
inline constexpr int32_t KeyNo = 1 << 26;
}  // namespace Stat1Bits

namespace Stat2Bits {
inline constexpr int32_t GameInProgress = 1 << 0;
// Stored as count × 2.
inline constexpr BitField SwapMarkCount{3 << 1, 1};
// Bit slot + 3 marks the card in slot 0-4.
inline constexpr BitField SwapMarks{31 << 3, 3};
inline constexpr int32_t ChoosingDiscard = 1 << 8;
inline constexpr int32_t MustCall = 1 << 16;
inline constexpr int32_t MustGoAlone = 1 << 17;
inline constexpr int32_t SeatSwapsKitty = 1 << 18;
inline constexpr int32_t ShowMouseCoords = 1 << 20;
inline constexpr int32_t LogicOnScreen = 1 << 21;
inline constexpr int32_t DesignColours = 1 << 22;
inline constexpr int32_t ShowPtrg = 1 << 23;
inline constexpr int32_t PauseEveryStepCopy = 1 << 24;
inline constexpr int32_t F12PauseCopy = 1 << 25;
inline constexpr int32_t DevOption23Copy = 1 << 26;
inline constexpr int32_t FastMode = 1 << 27;
inline constexpr int32_t ReloadHandFromLog = 1 << 28;
inline constexpr int32_t HandReloaded = 1 << 29;
inline constexpr int32_t PauseRequested = 1 << 30;
}  // namespace Stat2Bits

namespace Stat4Bits {
// The holiday switches, bits 0-7 in this order.
inline constexpr int32_t NewYear = 1 << 0;
inline constexpr int32_t Patrick = 1 << 1;
inline constexpr int32_t Bunny = 1 << 2;
inline constexpr int32_t July = 1 << 3;
inline constexpr int32_t Witch = 1 << 4;
inline constexpr int32_t Thanks = 1 << 5;
inline constexpr int32_t Santa = 1 << 6;
inline constexpr int32_t Satan = 1 << 7;
}  // namespace Stat4Bits

constexpr bool IsSet(int32_t word, int32_t bit) {
    return (word & bit) != 0;
}
constexpr void SetBit(int32_t& word, int32_t bit) {
    word |= bit;
}
constexpr void ClearBit(int32_t& word, int32_t bit) {
    word &= ~bit;
}
constexpr int32_t GetField(int32_t word, BitField field) {
    return (word & field.mask) >> field.shift;
}
constexpr void SetField(int32_t& word, BitField field, int32_t value) {
    word = (word & ~field.mask) | ((value << field.shift) & field.mask);
}
