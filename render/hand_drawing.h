#pragma once

#include <cstdint>
#include <functional>

// The hands and the deck box.
namespace Video {
// Mode 0 the deal sequence (cardSound after each pause), 1 all four hands from the
// dealer, 2 the human's hand, 5-7 seat 1-3 only, 10-14 only clear PicB(mode - 10),
// 33 the human's hand with a sixth card.
void DrawHands(int32_t mode = 0, const std::function<void()>& cardSound = {});
// The deal sequence: the seats receive their cards in two rounds.
void DrawDealtHands(const std::function<void()>& cardSound);
void DrawDeckBox();
}  // namespace Video
