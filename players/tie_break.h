#pragma once

#include <cstdint>

#include "players/trick_context.h"

namespace LogicMain {
// Of two candidate leads rated equal, slot b becomes slot a when a's suit is the
// better one to lead.
void BreakTie(int32_t seat, const SuitCounts& counts, int32_t trump, int32_t a, int32_t& b);
// Leads the highest trump when nothing out can beat it; otherwise the highest
// off-suit card. chosen stays 5 when nothing is found.
void LeadBossTest(int32_t seat, int32_t suit, int32_t trick, const SuitCounts& counts, bool top,
                  int32_t teamTricks, int32_t& chosen);
}  // namespace LogicMain
