#include <algorithm>
#include <array>
#include <utility>

#include "engine/steps/calling_steps.h"
#include "engine/steps/click_wait_steps.h"
#include "engine/steps/discard_steps.h"
#include "engine/steps/end_of_hand_steps.h"
#include "engine/steps/new_hand_steps.h"
#include "engine/steps/step_call.h"
#include "engine/steps/trick_steps.h"

namespace {

// Every step of the game, in order of its number.
constexpr std::array<std::pair<int32_t, StepFunction>, 106> kSteps{{
    {1, GamePlay::Step1},         {2, GamePlay::Step2},         {5, GamePlay::Step5},
    {6, GamePlay::Step6},         {25, GamePlay::Step25},       {50, GamePlay::Step50},
    {51, GamePlay::Step51},       {1000, GamePlay::Step1000},   {1010, GamePlay::Step1010},
    {1100, GamePlay::Step1100},   {1110, GamePlay::Step1110},   {1200, GamePlay::Step1200},
    {1250, GamePlay::Step1250},   {1260, GamePlay::Step1260},   {1800, GamePlay::Step1800},
    {1810, GamePlay::Step1810},   {1811, GamePlay::Step1811},   {1812, GamePlay::Step1812},
    {1813, GamePlay::Step1813},   {1815, GamePlay::Step1815},   {1830, GamePlay::Step1830},
    {1832, GamePlay::Step1832},   {1835, GamePlay::Step1835},   {1950, GamePlay::Step1950},
    {1951, GamePlay::Step1951},   {1952, GamePlay::Step1952},   {1953, GamePlay::Step1953},
    {1970, GamePlay::Step1970},   {1975, GamePlay::Step1975},   {1980, GamePlay::Step1980},
    {1985, GamePlay::Step1985},   {2000, GamePlay::Step2000},   {2040, GamePlay::Step2040},
    {2041, GamePlay::Step2041},   {2050, GamePlay::Step2050},   {2051, GamePlay::Step2051},
    {2060, GamePlay::Step2060},   {2070, GamePlay::Step2070},   {2080, GamePlay::Step2080},
    {2100, GamePlay::Step2100},   {2112, GamePlay::Step2112},   {2115, GamePlay::Step2115},
    {2500, GamePlay::Step2500},   {2600, GamePlay::Step2600},   {2605, GamePlay::Step2605},
    {2700, GamePlay::Step2700},   {2710, GamePlay::Step2710},   {2715, GamePlay::Step2715},
    {2718, GamePlay::Step2718},   {2720, GamePlay::Step2720},   {2725, GamePlay::Step2725},
    {2730, GamePlay::Step2730},   {2740, GamePlay::Step2740},   {2770, GamePlay::Step2770},
    {2900, GamePlay::Step2900},   {2910, GamePlay::Step2910},   {2915, GamePlay::Step2915},
    {2925, GamePlay::Step2925},   {2950, GamePlay::Step2950},   {2960, GamePlay::Step2960},
    {2965, GamePlay::Step2965},   {2970, GamePlay::Step2970},   {2975, GamePlay::Step2975},
    {2980, GamePlay::Step2980},   {5000, GamePlay::Step5000},   {5020, GamePlay::Step5020},
    {5025, GamePlay::Step5025},   {5050, GamePlay::Step5050},   {5060, GamePlay::Step5060},
    {5090, GamePlay::Step5090},   {5200, GamePlay::Step5200},   {5210, GamePlay::Step5210},
    {5500, GamePlay::Step5500},   {5510, GamePlay::Step5510},   {5520, GamePlay::Step5520},
    {5530, GamePlay::Step5530},   {5540, GamePlay::Step5540},   {5580, GamePlay::Step5580},
    {6000, GamePlay::Step6000},   {7000, GamePlay::Step7000},   {10000, GamePlay::Step10000},
    {10010, GamePlay::Step10010}, {10020, GamePlay::Step10020}, {10030, GamePlay::Step10030},
    {10040, GamePlay::Step10040}, {10050, GamePlay::Step10050}, {10060, GamePlay::Step10060},
    {10200, GamePlay::Step10200}, {10210, GamePlay::Step10210}, {10500, GamePlay::Step10500},
    {10600, GamePlay::Step10600}, {10700, GamePlay::Step10700}, {11000, GamePlay::Step11000},
    {11100, GamePlay::Step11100}, {11200, GamePlay::Step11200}, {12000, GamePlay::Step12000},
    {13000, GamePlay::Step13000}, {14000, GamePlay::Step14000}, {14010, GamePlay::Step14010},
    {14100, GamePlay::Step14100}, {15000, GamePlay::Step15000}, {16000, GamePlay::Step16000},
    {16010, GamePlay::Step16010}, {16020, GamePlay::Step16020}, {90600, GamePlay::Step90600},
    {91100, GamePlay::Step91100},
}};

}  // namespace

StepFunction GamePlay::FindStep(int32_t ptrg) {
    const auto found =
        std::lower_bound(kSteps.begin(), kSteps.end(), ptrg,
                         [](const auto& entry, int32_t value) { return entry.first < value; });
    return found != kSteps.end() && found->first == ptrg ? found->second : nullptr;
}
