#include "render/message_series.h"

#include "render/table_messages.h"

// Until the timed sequences are built the text is shown once for the whole time.
void Video::MessageSeries(const std::string& text, int32_t position, double seconds) {
    Video::ShowMessageTimed(position, text, seconds);
}
