#pragma once

#include <cstdint>

// Which house rule forces a seat during trump calling.
namespace GamePlaySubs {
// 0 no rule; 5/10/9 a suit the seat must make (Baggers Busted, with the Canada
// rule, with every caller alone); 2/7/1 stick the dealer; 8/3 a turned-up king,
// 4 a turned-up jack, 6 a turned-up joker, all at the dealer's turn.
int32_t CheckCallingRules(int32_t seat);
// 2 with Jack's the Boss and a jack turned up, 1 with the king rule and a king
// turned up, else 0.
int32_t CallRuleForComputer();
// The human decides for seat 0 unless the computer plays it (the demo, the hint).
bool IsHumanSeat(int32_t seat);
}  // namespace GamePlaySubs
