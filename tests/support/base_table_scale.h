#pragma once

#include "render/screen_scale.h"

// The table at scale 1.0 with its font sizes, as on the smallest screen the game allows,
// for tests that draw on a HeadlessTable. Declared before the table so the table takes it.
struct BaseTableScale {
    BaseTableScale() {
        scale = {};
        scale.ScaleFactor = 1.0f;
        KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96});
    }
    ~BaseTableScale() { scale = {}; }
    BaseTableScale(const BaseTableScale&) = delete;
    BaseTableScale& operator=(const BaseTableScale&) = delete;
};
