#include <benchmark/benchmark.h>

#include "engine/model/state/flow_state.h"
#include "platform/packed_fields.h"
#include "render/cards/card_images.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/trick_piles.h"
#include "support/whole_game.h"

namespace {

// The table at a scale, laid out as the main window lays it out.
void ScaleTable(HeadlessTable& table, float factor) {
    scale = {};
    scale.ScaleFactor = factor;
    KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96});
    CardImages.SetResolution(scale.ScaleBand + 1);
    CardImages.LoadAll();
    const TableLayout layout = FormFunctions::LayOutCurrentTable();
    table.Table().Resize(scale.BandWidth, scale.BandHeight + 50, settings.Background);
    for (int i = 0; i < kPictureBoxes; ++i) {
        PictureBox box = table.PicBState(i);
        const BoxRect& rect = layout.PicB[static_cast<size_t>(i)];
        box = {true, settings.Background, rect.Left, rect.Top, rect.Width, rect.Height, 1};
        table.SetPicBState(i, box);
    }
}

// The main window's full repaint in the middle of a hand, hands and piles showing.
void BM_FullTableRedraw(benchmark::State& state) {
    WholeGame whole(3);
    ScaleTable(whole.game.table, static_cast<float>(state.range(0)) / 10.0f);
    whole.game.stopAtLine = "Starting TRICK 3.";
    whole.PlayGame(WholeGame::Mode::Demo, 200);
    flow.QuitNow = false;
    if (APIs::Nib(hand.Tricks, 2) == 0) state.SkipWithError("the hand did not reach its tricks");
    for (auto _ : state) CardFunctions::RedrawTrickPiles();
    state.SetLabel("scale " + std::to_string(scale.ScaleFactor).substr(0, 3) + ", step " +
                   std::to_string(flow.Ptrg));
}
BENCHMARK(BM_FullTableRedraw)->Arg(10)->Arg(12)->Arg(15)->Arg(19)->Unit(benchmark::kMicrosecond);

}  // namespace
