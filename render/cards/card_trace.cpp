#include "render/cards/card_trace.h"

#include <utility>

namespace CardLoads {
namespace {
TraceSink& Sink() {
    static TraceSink sink;
    return sink;
}
}  // namespace

void SetTraceSink(TraceSink sink) {
    Sink() = std::move(sink);
}

void Trace(std::string_view line) {
    if (Sink()) Sink()(line);
}

}  // namespace CardLoads
