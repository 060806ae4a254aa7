#include "render/table_parts.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/message_places.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

constexpr std::string_view kFace = "Kavlor4";

void ClearBox(TableHost& table, int index) {
    PictureBox box = table.PicBState(index);
    table.PicB(index).Fill(box.BackColor);
    box.Visible = false;
    table.SetPicBState(index, box);
    table.RefreshPicB(index);
}

void HideChoices(TableHost& table, int first, int last) {
    for (int i = first; i <= last && !flow.QuitNow; ++i) {
        ChoiceButton button = table.Choice(i);
        button.Visible = false;
        table.SetChoice(i, button);
    }
}

bool HasBit(int32_t mask, int bit) {
    return (mask >> bit) & 1;
}

void Text(Surface& dc, const std::string& text, double x, double y, int32_t size, int32_t align) {
    APIs::DrawTextFont(dc, text, Video::ScaledBase(x), Video::ScaledBase(y), size, align, kFace, 0,
                       0);
}

}  // namespace

void Video::ClearTableParts(int32_t mask) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    if (HasBit(mask, 0) && HasBit(mask, 1)) {
        HideChoices(*table, 0, 5);
    } else if (HasBit(mask, 0)) {
        HideChoices(*table, 0, 4);
    } else if (HasBit(mask, 1)) {
        HideChoices(*table, 5, 5);
    }
    // Bits 2-6 in turn: the trick box, the human's hand, the deck box, the computer
    // hands, the piles.
    static constexpr std::array<std::pair<int, int>, 5> kBoxesOfBit{
        {{0, 0}, {1, 1}, {2, 2}, {3, 5}, {6, 7}}};
    for (int bit = 2; bit <= 6; ++bit) {
        if (!HasBit(mask, bit)) continue;
        const auto [first, last] = kBoxesOfBit[static_cast<size_t>(bit - 2)];
        for (int box = first; box <= last; ++box) {
            if (flow.QuitNow) return;
            ClearBox(*table, box);
        }
    }
    if (flow.QuitNow) return;
    if (HasBit(mask, 7)) {
        table->Table().Fill(settings.Background);
        table->RefreshTable();
    }
    APIs::Pause(0);
}

void Video::DrawTableTitles() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->Table();
    dc.Fill(settings.Background);
    Text(dc, tables.MessageTable[4], 350, 40, scale.FontSize2, APIs::kAlignRight);
    const std::string& name = settings.PlayerNames[0];
    const int32_t nameSize =
        scale.ScaleFactor == 1.0f && name.size() > 15
            ? scale.FontSize2 + 1
            : scale.FontSize2 + static_cast<int32_t>(std::nearbyint(3 * scale.ScaleFactor));
    Text(dc, name, 370, 37, nameSize, APIs::kAlignLeft);
    const TextRect& box = drawnText.LastTextRect;
    dude0NameBox = {box.left, box.right, box.top, box.bottom};
    const double step = 1.9 * scale.FontSize2;
    const int32_t centre = scale.BandWidth / 2;
    const auto block = [&](std::initializer_list<int> entries, double top) {
        double y = top * scale.ScaleFactor;
        for (int entry : entries) {
            APIs::DrawTextFont(dc, tables.MessageTable[static_cast<size_t>(entry)], centre,
                               static_cast<int32_t>(std::nearbyint(y)), scale.FontSize2,
                               APIs::kAlignCentre, kFace, 0, 0);
            y += step;
        }
    };
    block({5, 6}, 90);
    block({7, 8, 9}, 200);
    block({10, 11}, 350);
    table->RefreshTable();
}

void Video::DrawPlayerNames() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    struct NamePlace {
        int x;
        int y;
        int32_t align;
    };
    static constexpr std::array<NamePlace, 4> kPlaces{{{790, 490, APIs::kAlignRight},
                                                       {10, 165, APIs::kAlignLeft},
                                                       {390, 5, APIs::kAlignLeft},
                                                       {790, 320, APIs::kAlignRight}}};
    for (size_t seat = 0; seat < kPlaces.size(); ++seat) {
        const std::string& name = settings.PlayerNames[seat];
        const int32_t size =
            scale.ScaleFactor == 1.0f && name.size() > 12 ? scale.FontSize5 : scale.FontSize4;
        Text(table->Table(), name, kPlaces[seat].x, kPlaces[seat].y, size, kPlaces[seat].align);
    }
    table->RefreshTable();
}
