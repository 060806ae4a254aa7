#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "render/cards/card_images.h"
#include "render/gdi/surface.h"
#include "render/headless_table.h"
#include "render/key_labels.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_messages.h"
#include "render/table_parts.h"
#include "render/text_drawing.h"
#include "support/base_table_scale.h"

// A HeadlessTable at the base scale with the card store loaded once at resolution 1, for
// tests that draw cards on the table. Every global those tests touch is reset after each.
// A fixture that waits declares its own clock (VirtualTiming or BusyWaitWatch).
class CardTableTest : public ::testing::Test {
  protected:
    // The option that lays computer cards in line instead of jittering them.
    static constexpr int32_t kAlignCards = 1 << 25;

    static void SetUpTestSuite() {
        CardImages.SetResolution(1);
        CardImages.LoadAll();
    }
    void TearDown() override {
        flow = {};
        flags = {};
        hand = {};
        tables = {};
        settings = {};
        tableGeometry = {};
        keyLabels = {};
        tableMessages = {};
        dude0NameBox = {};
        drawnText = {};
    }

    // Scales the table and records its layout in tableGeometry.
    static void LayOut(float s, int32_t band) {
        scale.ScaleFactor = s;
        tableGeometry =
            FormFunctions::LayOutTable(s, band, scale.BandWidth, FormFunctions::DesignCardSizes(1),
                                       settings.Opts1, 0)
                .Geometry;
    }
    // How many pixels of the colour lie in [x0, x1) x [y0, y1) of dc, by default all of it.
    static int CountPixels(const Surface& dc, int32_t colour, int x0 = 0, int y0 = 0,
                           int x1 = -1, int y1 = -1) {
        if (x1 < 0) x1 = dc.Width();
        if (y1 < 0) y1 = dc.Height();
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) n += dc.Pixel(x, y) == colour ? 1 : 0;
        }
        return n;
    }
    // How often the box has been refreshed on screen.
    int Refreshes(int box) const {
        return static_cast<int>(
            std::count(table.picBRefreshes.begin(), table.picBRefreshes.end(), box));
    }

    BaseTableScale baseScale;
    HeadlessTable table;
};
