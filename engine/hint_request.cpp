#include "engine/hint_request.h"

#include <memory>
#include <string>

#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/cursor.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/play_help.h"
#include "render/hint_effects.h"
#include "render/table_host.h"

namespace {

// Lets the hint draw from a copy, so the game's own draws come out as without it.
class OwnRandomCopy {
  public:
    OwnRandomCopy() : game_(CurrentRandomSource()), copy_(game_.Clone()) {
        InstallRandomSource(copy_.get());
    }
    ~OwnRandomCopy() { InstallRandomSource(&game_); }
    OwnRandomCopy(const OwnRandomCopy&) = delete;
    OwnRandomCopy& operator=(const OwnRandomCopy&) = delete;

  private:
    RandomSource& game_;
    std::unique_ptr<RandomSource> copy_;
};

constexpr int32_t kComposedAdvice = 100;
constexpr int32_t kComposedSuitAdvice = 101;

std::string Explanation() {
    const int32_t reason = analysis.ReasonCode;
    if (reason == kComposedAdvice || reason == kComposedSuitAdvice) return analysis.AdviceText;
    if (reason < 0 || reason >= static_cast<int32_t>(tables.MessageTable2.size())) return {};
    return tables.MessageTable2[static_cast<size_t>(reason)];
}

}  // namespace

void PlayHelp::GiveHint(int32_t seat) {
    OwnRandomCopy own;
    if (!FindAdvice(seat)) return;
    if (IsSet(flags.Stat1, Stat1Bits::LearnMode)) {
        ShowHelpWindow();
    } else {
        ShowAdvisedAnswer();
    }
}

void PlayHelp::ShowHelpWindow() {
    TableHost* table = CurrentTable();
    if (!table) return;
    APIs::SaveRestoreCursor(0);
    table->ShowHintWindow(Explanation());
    if ((settings.Opts3 & (1 << 28)) == 0) APIs::SaveRestoreCursor(1);
}

void PlayHelp::ShowAdvisedAnswer() {
    const int32_t target = analysis.HintTarget;
    if (target == Analysis::kNoHintTarget) return;
    if (target >= 0 && target < kChoiceButtons) {
        Video::PulseChoice(target);
    } else if (target > 0) {
        Video::SwirlCard(target % 16, target / 16);
    }
}
