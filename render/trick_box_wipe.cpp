#include "render/trick_box_wipe.h"

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/gdi/shapes.h"
#include "render/table_host.h"

namespace {

constexpr int kTrickBox = 0;
constexpr int32_t kLastPattern = 4;

// One step of the wipe on screen, then at least one tick of the clock. The wait does
// not let window events through: nothing may act on the trick while it goes.
void ShowStep(TableHost& table) {
    table.RefreshPicB(kTrickBox);
    const int32_t t0 = APIs::TickCount();
    do {
        APIs::BusyWaitMs(1);
    } while (APIs::TickCount() - t0 < 1);
}

class Wipe {
  public:
    Wipe(TableHost& table, const PictureBox& box)
        : table_(table),
          dc_(table.PicB(kTrickBox)),
          pen_(box.DrawWidth),
          width_(box.Width),
          height_(box.Height) {}

    void Run(int32_t pattern) {
        switch (pattern) {
            case 0:
                for (int y = 0; y <= height_; ++y) Step([&] { Across(y); });
                break;
            case 1:
                for (int x = width_; x >= 0; --x) Step([&] { Down(x); });
                break;
            case 2:
                for (int y = height_; y >= 0; --y) Step([&] { Across(y); });
                break;
            case 3:
                for (int x = 0; x <= width_; ++x) Step([&] { Down(x); });
                break;
            default:
                ClosingIn();
                break;
        }
    }

  private:
    // From all four sides: the sides meet in the middle, the top and bottom close in
    // half as fast, one of them each step.
    void ClosingIn() {
        for (int i = 0; i <= width_ / 2; ++i) {
            Step([&] {
                Down(i);
                Down(width_ - i);
                Across(i % 2 == 1 ? (i + 1) / 2 : height_ - i / 2);
            });
        }
    }
    template <typename Draw>
    void Step(Draw draw) {
        draw();
        ShowStep(table_);
    }
    void Across(int y) { Gdi::DrawLine(dc_, 0, y, width_, y, settings.Background, pen_); }
    void Down(int x) { Gdi::DrawLine(dc_, x, 0, x, height_, settings.Background, pen_); }

    TableHost& table_;
    Surface& dc_;
    int pen_;
    int width_;
    int height_;
};

}  // namespace

void Video::WipeTrickBox(int32_t pattern) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    const PictureBox box = table->PicBState(kTrickBox);
    if (IsSet(flags.Stat2, Stat2Bits::FastMode)) {
        table->PicB(kTrickBox).Fill(box.BackColor);
        table->RefreshPicB(kTrickBox);
        APIs::WaitMs(1);
        return;
    }
    if (pattern < 0 || pattern > kLastPattern) return;
    Wipe(*table, box).Run(pattern);
}
