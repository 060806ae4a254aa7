#include "render/lay_down.h"

#include "render/table_messages.h"

void Video::ShowMessageSeries(int32_t code, const std::string& text, double seconds) {
    ShowMessageTimed(code, text, 1.5 * seconds);
    ShowMessageTimed(code, text, 1.7 * seconds, true);
    ShowMessageTimed(code, text, 2.2 * seconds);
}

void Video::ShowLayDown(int32_t /*code*/) {}
