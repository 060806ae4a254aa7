#include "render/key_labels.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/hand_drawing.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/text_drawing.h"

namespace {

constexpr std::string_view kFace = "Kavlor4";
constexpr std::string_view kEndMark = " N ";
constexpr int32_t kSixthCardHeld = 1 << 28;
// A colour below -9 resolves to black; 0 would mean the Text colour.
constexpr int32_t kBlack = -10;

int32_t Exact(int32_t colour) {
    colour &= 0xFFFFFF;
    return colour == 0 ? kBlack : colour;
}

// The pop-ups need the top strip of the trick box for their caption: lowered once.
void MakeRoom(TableHost& table) {
    PictureBox box = table.PicBState(0);
    if (box.Top == tableGeometry.TrickBoxTop) {
        const int32_t strip = RoundHalfEven(60 * scale.ScaleFactor);
        box.Height -= strip;
        box.Top += strip;
    }
    box.Visible = true;
    table.SetPicBState(0, box);
    table.PicB(0).Fill(box.BackColor);
}

// Left edges of the human's cards as the hand drawing lays them out, one past the last.
std::vector<double> CardEdges() {
    const double w = CardImages.CardWidth();
    std::vector<double> p;
    if (hand.NibCounter & kSixthCardHeld) {
        for (int j = 0; j <= 5; ++j) p.push_back(0.54 * w * j);
        p.push_back(p.back() + 0.54 * w);
        return p;
    }
    int n = -1;
    for (int slot = 0; slot < 5; ++slot)
        n += hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] >= 0;
    for (int j = 0; j <= n; ++j) p.push_back(RoundHalfEven((4 - n) * w / 3 + (2 * w / 3) * j));
    if (!p.empty()) p.push_back(p.back() + 2 * w / 3);
    return p;
}

void DrawMark(Surface& dc, int32_t size, int32_t colour) {
    const auto& r = keyLabels.KeyMarkRect;
    APIs::DrawTextFont(dc, kEndMark, r[0], r[1], size, APIs::kAlignCentre, kFace, 0, colour);
}

}  // namespace

void Video::DrawKeyLabels() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    const double s = scale.ScaleFactor;
    const int32_t y = RoundHalfEven((s == 1.2f ? 500 : 492) * s);
    const double x0 = tableGeometry.HandOriginX + 5 * s;
    const std::vector<double> p = CardEdges();
    if (p.size() < 2) return;
    const size_t n = p.size() - 2;
    Surface& dc = table->Table();
    for (size_t j = 0; j <= n; ++j) {
        APIs::DrawTextFont(dc, std::to_string(j + 1), RoundHalfEven(x0 + (p[j] + p[j + 1]) / 2), y,
                           scale.FontSize2, APIs::kAlignCentre, kFace, 0, 0);
    }
    if (IsSet(flags.Stat2, Stat2Bits::ChoosingDiscard)) {
        const int32_t x = RoundHalfEven(x0 + (p[n] + p[n + 1]) / 2 + 0.75 * CardImages.CardWidth());
        APIs::DrawTextFont(dc, "N", x, y, scale.FontSize2, APIs::kAlignCentre, kFace, 0,
                           Exact(settings.Background));
        const TextRect& r = drawnText.LastTextRect;
        keyLabels.KeyMarkRect = {r.left, r.top, r.right, r.bottom};
        EraseMessage(-1, -1);
        DrawMark(dc, scale.FontSize2, 0);
    }
    table->RefreshTable();
}

void Video::MarkHandCard(int32_t slot) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    if (slot < 0) {
        DrawHands(2);
        for (int32_t marked = 0; marked < 5; ++marked) {
            if (flags.Stat2 & (1 << (marked + 3))) MarkHandCard(marked);
        }
        table->RefreshPicB(1);
        return;
    }
    const double w = CardImages.CardWidth();
    const double s = scale.ScaleFactor;
    if (slot <= 4) {
        const int32_t x =
            RoundHalfEven((slot == 4 ? 19 * w / 6 : (2 * w / 3) * (slot + 0.5)) + 10 * s);
        APIs::DrawTextFont(table->PicB(1), "*", x, RoundHalfEven(CardImages.CardHeight() / 3.0),
                           RoundHalfEven(3.75 * scale.FontSize1), APIs::kAlignCentre, kFace, 0,
                           Exact(settings.Spot));
    }
    table->RefreshPicB(1);
}

void Video::ShowSeatCards(int32_t seat) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table || seat < 0 || seat > 3) return;
    MakeRoom(*table);
    const double s = scale.ScaleFactor;
    const auto& cards = hand.Hands[static_cast<size_t>(seat)];
    for (int slot = 0; slot < 5; ++slot) {
        const auto& card = cards[static_cast<size_t>(slot)];
        DrawCard(table->PicB(0), RoundHalfEven(0.4 * CardImages.CardWidth() * slot + 2 * s),
                 RoundHalfEven(3 * s),
                 CardFunctions::CardNumber(card[kSuitPlane], card[kRankPlane]));
    }
    table->RefreshPicB(0);
    const std::string& name = settings.PlayerNames[static_cast<size_t>(seat)];
    const auto& text = tables.MessageTable;
    DrawMessage(14, IsSet(flags.Stat2, Stat2Bits::SeatSwapsKitty)
                        ? name + text[86] + "\r\n" + text[87]
                        : " \r\n" + name + text[86]);
}

void Video::BlinkMarker(double seconds) {
    TableHost* table = CurrentTable();
    if (!table) return;
    Surface& dc = table->Table();
    const int32_t plain = scale.FontSize2;
    const int32_t large = plain + RoundHalfEven(4 * scale.ScaleFactor);
    const int32_t inverse = Exact(0xFFFFFF - (settings.Text & 0xFFFFFF));
    // Plain, enlarged inverse, plain, enlarged inverse, and plain to stay.
    const std::array<std::pair<int32_t, int32_t>, 4> beats{
        {{plain, 0}, {large, inverse}, {plain, 0}, {large, inverse}}};
    for (size_t i = 0; i < beats.size(); ++i) {
        if (flow.QuitNow) return;
        DrawMark(dc, beats[i].first, beats[i].second);
        table->RefreshTable();
        if (i > 0) APIs::Pause(seconds);
        EraseMessage(-1, -1);
    }
    if (flow.QuitNow) return;
    DrawMark(dc, plain, 0);
    table->RefreshTable();
}
