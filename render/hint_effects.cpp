#include "render/hint_effects.h"

#include <cmath>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/screen.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/key_labels.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/text_drawing.h"
#include "render/text_width.h"

namespace {

constexpr std::string_view kFace = "Kavlor4";
constexpr int kPulses = 3;
constexpr int32_t kPulseStepMs = 85;
constexpr int32_t kSwirlStepMs = 7;
constexpr int32_t kSwirlMs = 650;
constexpr int kSwirlMaxSteps = 32000;

// The caption's width in pixels in the button's own font.
double CaptionWidth(const std::string& caption, int32_t size) {
    const double twips = Misc::TextWidth(caption, "frmMain", kFace, size);
    return twips / APIs::CurrentScreen().TwipsPerPixelX();
}

void ShowPulseStep(TableHost& table, int index, double size, bool bold) {
    ChoiceButton button = table.Choice(index);
    button.FontSize = size;
    button.FontBold = bold;
    table.SetChoice(index, button);
    Video::ShowChoice(index, button.Caption, 0);
}

int32_t HandCard(int32_t slot, int32_t count) {
    if (count == 6 && slot == 5) {
        return CardFunctions::CardNumber(APIs::Nib(hand.NibCounter, 4),
                                         APIs::Nib(hand.NibCounter, 5));
    }
    const auto& card = hand.Hands[0][static_cast<size_t>(slot)];
    return CardFunctions::CardNumber(card[kSuitPlane], card[kRankPlane]);
}

// Where the hand drawing puts the card in PicB(1).
int32_t HandCardLeft(int32_t slot, int32_t count) {
    const int w = CardImages.CardWidth();
    const double s = scale.ScaleFactor;
    if (count == 6) return RoundHalfEven(0.54 * w * slot + 8 * s);
    int before = 0;
    for (int32_t each = 0; each < slot; ++each) {
        before += hand.Hands[0][static_cast<size_t>(each)][kRankPlane] >= 0 ? 1 : 0;
    }
    return RoundHalfEven((4 - (count - 1)) * w / 3.0 + (2.0 * w / 3) * before + 8 * s);
}

}  // namespace

double Video::PulseFactor(double captionWidth, int buttonWidth) {
    if (captionWidth <= 0 || 0.98 * buttonWidth > 1.25 * captionWidth) return 1.25;
    return std::floor(0.97 * buttonWidth / captionWidth * 10) / 10;
}

void Video::PulseChoice(int index) {
    TableHost* table = CurrentTable();
    bool& running = tableMessages.LastMessage.PulseRunning;
    if (running || flow.QuitNow || !table || index < 0 || index >= kChoiceButtons) return;
    running = true;
    const ChoiceButton button = table->Choice(index);
    const double normal = std::nearbyint(button.FontSize);
    const double grown =
        PulseFactor(CaptionWidth(button.Caption, RoundHalfEven(normal)), button.Width) * normal;
    for (int pulse = 0; pulse < kPulses; ++pulse) {
        ShowPulseStep(*table, index, grown, true);
        APIs::WaitMs(kPulseStepMs);
        ShowPulseStep(*table, index, normal, false);
        if (flow.QuitNow) break;
        APIs::WaitMs(kPulseStepMs);
    }
    running = false;
}

void Video::SwirlCard(int32_t slot, int32_t count) {
    if (slot == 6) {
        BlinkMarker(1);
        return;
    }
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table || slot < 0 || slot > 5 || count < 1 || count > 6) return;
    const int32_t card = HandCard(slot, count);
    const int32_t x = HandCardLeft(slot, count);
    const int32_t y = RoundHalfEven(8 * scale.ScaleFactor);
    const double radius = 1.1 * scale.ScaleFactor;
    const int32_t start = APIs::TickCount();
    for (int k = 1; k <= kSwirlMaxSteps && !flow.QuitNow; ++k) {
        const double a = k / 3.141593;
        Video::DrawCard(table->PicB(1), x + RoundHalfEven(radius * (std::sin(a) + std::cos(a))),
                        y + RoundHalfEven(radius * (std::sin(a) - std::cos(a))), card);
        table->RefreshPicB(1);
        APIs::BusyWaitMs(kSwirlStepMs);
        if (APIs::TickCount() - start > kSwirlMs) break;
    }
    Video::DrawHands(count == 6 ? 33 : 2);
}
