#include "render/table_messages.h"

#include <QPainter>
#include <QString>

#include "engine/model/state/flow_state.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/table_host.h"

namespace {

struct Anchor {
    int x;
    int y;
    int alignment;  // 0 left, 1 right, 2 centred, -1 the caller's
};

// Anchors and wipe rectangles of the positions, at the base table size.
Anchor AnchorOf(int32_t code) {
    switch (code) {
        case 0:
        case 6:
            return {418, 210, -1};
        case 1:
        case 7:
        case 16:
            return {397, 492, -1};
        case 2:
        case 8:
        case 22:
            return {397, 518, -1};
        case 3:
        case 9:
            return {88, 202, 0};
        case 4:
        case 10:
            return {420, 83, -1};
        case 5:
        case 11:
            return {708, 245, 1};
        case 12:
            return {418, 196, -1};
        case 13:
            return {418, 224, -1};
        default:
            return {0, 0, -1};
    }
}

std::array<int, 4> EraseRectOf(int32_t code) {
    switch (code) {
        case 0:
        case 6:
            return {185, 210, 708, 240};
        case 1:
        case 7:
            return {146, 492, 627, 524};
        case 2:
        case 8:
            return {146, 516, 627, 555};
        case 3:
        case 9:
            return {86, 202, 594, 232};
        case 4:
        case 10:
            return {125, 82, 606, 112};
        case 5:
        case 11:
            return {190, 245, 708, 275};
        case 12:
            return {100, 196, 708, 253};
        case 13:
            return {185, 224, 708, 254};
        case 16:
            return {146, 492, 625, 546};
        case -1:
            return tableMessages.LastTextRect;
        default:
            return {0, 0, 0, 0};
    }
}

int32_t InverseOf(int32_t colour) {
    return 0xFFFFFF - (colour & 0xFFFFFF);
}

std::array<int, 4> DrawLine(Surface& table, const QString& line, Anchor anchor, int32_t colour) {
    QPainter painter(&table.Image());
    painter.setPen(QColor(ToQRgb(colour)));
    const QRect bounds = painter.fontMetrics().boundingRect(line);
    int left = anchor.x;
    if (anchor.alignment == 1) left = anchor.x - bounds.width();
    if (anchor.alignment == 2) left = anchor.x - bounds.width() / 2;
    const QRect box(left, anchor.y, bounds.width(), painter.fontMetrics().height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, line);
    return {box.left(), box.top(), box.right() + 1, box.bottom() + 1};
}

}  // namespace

void Video::DrawMessage(int32_t code, const std::string& text, int32_t alignment, bool inverse,
                        bool /*keep*/) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    std::string first = text;
    std::string second;
    if (const auto split = text.find("\r\n"); split != std::string::npos) {
        first = text.substr(0, split);
        second = text.substr(split + 2);
    }
    Anchor anchor = AnchorOf(code);
    if (anchor.alignment < 0) anchor.alignment = alignment < 0 ? 2 : alignment;
    const int32_t colour = inverse ? InverseOf(settings.Text) : settings.Text;
    if (!second.empty()) {
        DrawLine(table->Table(), QString::fromStdString(second),
                 {anchor.x, anchor.y + 24, anchor.alignment}, colour);
    }
    tableMessages.LastTextRect =
        DrawLine(table->Table(), QString::fromStdString(first), anchor, colour);
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
    const auto [left, top, right, bottom] = EraseRectOf(code);
    if (right > left && bottom > top) {
        QPainter painter(&table->Table().Image());
        painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(ToQRgb(colour)));
    }
    table->RefreshTable();
}

void Video::ShowMessageTimed(int32_t code, const std::string& text, double seconds, bool inverse) {
    DrawMessage(code, text, -1, inverse, false);
    APIs::Pause(seconds);
    if (flow.QuitNow) return;
    EraseMessage(code >= 12 ? code : -1, -1);
}
