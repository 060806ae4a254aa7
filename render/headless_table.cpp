#include "render/headless_table.h"

#include <algorithm>
#include <cmath>

#include "platform/settings/player_settings.h"
#include "render/screen_scale.h"

namespace {

// The table at its base size, with the boxes where the base layout puts them.
constexpr int kTableWidth = 800;
constexpr int kTableHeight = 600;
constexpr std::array<PictureBox, kPictureBoxes> kBaseBoxes{{
    {true, 0, 250, 230, 300, 240, 1},
    {true, 0, 220, 430, 360, 110, 1},
    {true, 0, 620, 40, 120, 110, 1},
    {true, 0, 10, 230, 80, 240, 1},
    {true, 0, 250, 10, 300, 70, 1},
    {true, 0, 710, 230, 80, 240, 1},
    {true, 0, 10, 480, 110, 100, 1},
    {true, 0, 680, 10, 110, 100, 1},
}};
constexpr int kChoiceTop = 560;
constexpr int kChoiceWidth = 96;
constexpr int kChoiceHeight = 28;
constexpr double kChoiceFontSize = 14;

// The table grows with the scale in effect when it is made; unscaled tests get the base size.
int ScaledSide(int base) {
    return static_cast<int>(std::nearbyint(base * std::max(1.0f, scale.ScaleFactor)));
}

size_t Index(int index, int count) {
    return static_cast<size_t>(std::clamp(index, 0, count - 1));
}

}  // namespace

HeadlessTable::HeadlessTable()
    : table_(ScaledSide(kTableWidth), ScaledSide(kTableHeight), settings.Background),
      pictureBoxes_(kBaseBoxes) {
    for (size_t i = 0; i < pictureBoxes_.size(); ++i) {
        pictureBoxes_[i].BackColor = settings.Background;
        pictureSurfaces_[i] =
            Surface(pictureBoxes_[i].Width, pictureBoxes_[i].Height, settings.Background);
    }
    for (size_t i = 0; i < choices_.size(); ++i) {
        choices_[i].Left = 100 + static_cast<int>(i) * (kChoiceWidth + 8);
        choices_[i].Top = kChoiceTop;
        choices_[i].Width = kChoiceWidth;
        choices_[i].Height = kChoiceHeight;
        choices_[i].FontSize = kChoiceFontSize;
    }
    InstallTable(this);
}

HeadlessTable::~HeadlessTable() {
    if (CurrentTable() == this) InstallTable(nullptr);
}

Surface& HeadlessTable::PicB(int index) {
    return pictureSurfaces_[Index(index, kPictureBoxes)];
}

PictureBox HeadlessTable::PicBState(int index) const {
    return pictureBoxes_[Index(index, kPictureBoxes)];
}

void HeadlessTable::SetPicBState(int index, const PictureBox& box) {
    const size_t i = Index(index, kPictureBoxes);
    if (box.Width != pictureBoxes_[i].Width || box.Height != pictureBoxes_[i].Height) {
        pictureSurfaces_[i].Resize(std::max(box.Width, 0), std::max(box.Height, 0), box.BackColor);
    }
    pictureBoxes_[i] = box;
}

ChoiceButton HeadlessTable::Choice(int index) const {
    return choices_[Index(index, kChoiceButtons)];
}

void HeadlessTable::SetChoice(int index, const ChoiceButton& button) {
    choices_[Index(index, kChoiceButtons)] = button;
}

bool HeadlessTable::MenuEnabled(TableMenu item) const {
    const auto found = menus_.find(item);
    return found == menus_.end() || found->second;
}

TableTimer HeadlessTable::Timer(TableTimerId id) const {
    const auto found = timers_.find(id);
    return found == timers_.end() ? TableTimer{} : found->second;
}
