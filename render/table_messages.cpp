#include "render/table_messages.h"

#include <QPainter>
#include <cmath>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/cards/card_images.h"
#include "render/message_places.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

constexpr std::string_view kMessageFace = "Kavlor4";
constexpr std::string_view kStatusFace = "Times New Roman";
// A colour below -9 resolves to black; colour 0 would mean the Text colour.
constexpr int32_t kBlack = -10;

int32_t MessageColour(bool inverse) {
    int32_t colour = settings.Text & 0xFFFFFF;
    if (inverse) colour = 0xFFFFFF - colour;
    return colour == 0 ? kBlack : colour;
}

// Long lines shrink at the smallest scale so that they stay inside their place.
int32_t LineSize(int32_t size, const std::string& line) {
    if (scale.ScaleFactor == 1.0f && line.size() > 21) return scale.FontSize3;
    return size;
}

void DrawLines(Surface& dc, int32_t code, const std::string& first, const std::string& second,
               int32_t alignment, int32_t colour) {
    const Video::MessageAnchor anchor = Video::MessageAnchorOf(code, first);
    if (anchor.alignment >= 0) alignment = anchor.alignment;
    if (code < 0) {
        APIs::DrawTextFont(dc, first, anchor.x, anchor.y, scale.FontSize6, alignment, kStatusFace,
                           0, colour);
        return;
    }
    int32_t size = scale.FontSize2;
    if (!second.empty()) {
        const int32_t y = anchor.y + Video::ScaledBase(24);
        size = LineSize(size, second);
        APIs::DrawTextFont(dc, second, anchor.x, y, size, alignment, kMessageFace, 0, colour);
    }
    size = LineSize(size, first);
    int32_t y = anchor.y;
    if (code == 22) {
        size = static_cast<int32_t>(std::floor(size * 0.75));
        y -= 4;
    }
    APIs::DrawTextFont(dc, first, anchor.x, y, size, alignment, kMessageFace, 0, colour);
}

}  // namespace

void Video::DrawMessage(int32_t code, const std::string& text, int32_t alignment, bool inverse,
                        bool keep) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    std::string first = text;
    std::string second;
    if (code == -1) {
        const LastMessageRecord& last = tableMessages.LastMessage;
        code = last.Code;
        first = last.FirstLine;
        second = last.SecondLine;
        alignment = last.Alignment;
        if (first == tables.MessageTable[12]) return;
    } else if (const auto split = text.find("\r\n"); code >= 0 && split != std::string::npos) {
        first = text.substr(0, split);
        second = text.substr(split + 2);
    }
    const int32_t callerAlignment = alignment;
    if (alignment < 0) alignment = APIs::kAlignCentre;
    DrawLines(table->Table(), code, first, code < 0 ? std::string() : second, alignment,
              MessageColour(inverse));
    if (!keep)
        tableMessages.LastMessage = {code, first, callerAlignment, second,
                                     tableMessages.LastMessage.PulseRunning};
    if (code >= 0 && code <= 22) {
        tableMessages.ShownMessages[static_cast<size_t>(code)] = first;
        tableMessages.ShownMessages[23] = second;
    }
    table->RefreshTable();
}

void Video::EraseMessage(int32_t code, int32_t colour) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    if (colour < 0 || colour > 0xFFFFFF) colour = settings.Background;
    const MessageRect r = MessageEraseRect(code);
    if (r.right > r.left && r.bottom > r.top) {
        QPainter painter(&table->Table().Image());
        painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                         QColor(ToQRgb(colour)));
    }
    table->RefreshTable();
}

void Video::EraseSeatMessages() {
    if (CardImages.CardWidth() < drawnText.LastTextRect.left) EraseMessage(-1, -1);
    for (int32_t code : {1, 3, 4, 5}) EraseMessage(code, -1);
}

void Video::ShowMessageTimed(int32_t code, const std::string& text, double seconds, bool inverse) {
    DrawMessage(code, text, -1, inverse, false);
    APIs::Pause(seconds);
    if (flow.QuitNow) return;
    EraseMessage(code >= 12 ? code : -1, -1);
}
