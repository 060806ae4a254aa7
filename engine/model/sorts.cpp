#include "engine/model/sorts.h"

#include <array>
#include <utility>

#include "platform/random_source.h"

namespace {

using Slots = std::array<std::array<int32_t, 2>, 6>;

Slots& SeatSlots(HandTable& table, int32_t seat) {
    return table[static_cast<size_t>(seat)];
}

int32_t SuitOf(const Slots& slots, int32_t slot) {
    return slots[static_cast<size_t>(slot)][kSuitPlane];
}

void SwapSlots(Slots& slots, int32_t a, int32_t b) {
    std::swap(slots[static_cast<size_t>(a)], slots[static_cast<size_t>(b)]);
}

}  // namespace

void Sorts::Swap(int32_t& a, int32_t& b) {
    std::swap(a, b);
}

void Sorts::QuickSortHand(int32_t first, int32_t last, HandTable& table, int32_t seat) {
    Slots& slots = SeatSlots(table, seat);
    if (first >= last) return;
    if (last - first == 1) {
        if (SuitOf(slots, first) > SuitOf(slots, last)) SwapSlots(slots, first, last);
        return;
    }
    SwapSlots(slots, first + RandomBelow(last - first), last);
    const int32_t pivot = SuitOf(slots, last);
    int32_t up = first;
    int32_t down = last;
    while (up < down) {
        while (up < down && SuitOf(slots, up) <= pivot) ++up;
        while (down > up && SuitOf(slots, down) >= pivot) --down;
        if (up < down) SwapSlots(slots, up, down);
    }
    SwapSlots(slots, up, last);
    QuickSortHand(first, up - 1, table, seat);
    QuickSortHand(up + 1, last, table, seat);
}

void Sorts::SortSuitGroups(HandTable& table, int32_t seat) {
    Slots& slots = SeatSlots(table, seat);
    for (int32_t suit = 0; suit < 4; ++suit) {
        int32_t start = -1;
        int32_t count = 0;
        for (int32_t slot = 0; slot < 5; ++slot) {
            if (SuitOf(slots, slot) != suit) continue;
            if (start < 0) start = slot;
            ++count;
        }
        if (count < 2) continue;
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (int32_t slot = start; slot < start + count - 1; ++slot) {
                auto& left = slots[static_cast<size_t>(slot)][kRankPlane];
                auto& right = slots[static_cast<size_t>(slot + 1)][kRankPlane];
                if (left < right) {
                    Swap(left, right);
                    swapped = true;
                }
            }
        }
    }
}

void Sorts::ArrangeSuits(HandTable& table, int32_t seat) {
    Slots& slots = SeatSlots(table, seat);
    std::array<int32_t, 4> firstSlot{-1, -1, -1, -1};
    std::array<int32_t, 4> counts{};
    for (int32_t slot = 4; slot >= 0; --slot) {
        const int32_t suit = SuitOf(slots, slot);
        if (suit < 0 || suit > 3) continue;
        firstSlot[static_cast<size_t>(suit)] = slot;
        ++counts[static_cast<size_t>(suit)];
    }
    int missing = 0;
    for (const int32_t count : counts) missing += count == 0 ? 1 : 0;
    if (missing >= 2) return;
    const int32_t red = counts[1] > 0 ? 1 : 0;
    const int32_t black = counts[2] > 0 ? 2 : 3;
    const int32_t start = firstSlot[static_cast<size_t>(red)];
    const int32_t length = counts[static_cast<size_t>(red)] + counts[static_cast<size_t>(black)];
    for (int32_t turn = 0; turn < counts[static_cast<size_t>(red)]; ++turn) {
        for (int32_t slot = start; slot < start + length - 1; ++slot)
            SwapSlots(slots, slot, slot + 1);
    }
}

void Sorts::SortHand(HandTable& table, int32_t seat) {
    QuickSortHand(0, 4, table, seat);
    SortSuitGroups(table, seat);
    ArrangeSuits(table, seat);
}
