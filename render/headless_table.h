#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "render/table_host.h"

// The main window without a window: offscreen surfaces and plain state, recorded so
// that tests can look at what the game did. Installs itself for its lifetime.
class HeadlessTable final : public TableHost {
  public:
    HeadlessTable();
    ~HeadlessTable() override;
    HeadlessTable(const HeadlessTable&) = delete;
    HeadlessTable& operator=(const HeadlessTable&) = delete;

    Surface& Table() override { return table_; }
    void RefreshTable() override { ++tableRefreshes; }

    Surface& PicB(int index) override;
    PictureBox PicBState(int index) const override;
    void SetPicBState(int index, const PictureBox& box) override;
    void RefreshPicB(int index) override { picBRefreshes.push_back(index); }

    ChoiceButton Choice(int index) const override;
    void SetChoice(int index, const ChoiceButton& button) override;

    void FocusDefault() override { ++focusCount; }
    void SetLblPtrg(const std::string& caption) override { lblPtrg = caption; }

    bool MenuEnabled(TableMenu item) const override;
    void SetMenuEnabled(TableMenu item, bool enabled) override { menus_[item] = enabled; }

    TableTimer Timer(TableTimerId id) const override;
    void SetTimer(TableTimerId id, const TableTimer& timer) override { timers_[id] = timer; }

    int MousePointer() const override { return mousePointer_; }
    void SetMousePointer(int pointer) override { mousePointer_ = pointer; }

    void Unload() override { ++unloadCount; }
    void ShowHintWindow(const std::string& explanation) override {
        hintTexts.push_back(explanation);
    }

    int tableRefreshes = 0;
    std::vector<int> picBRefreshes;
    int focusCount = 0;
    int unloadCount = 0;
    std::string lblPtrg;
    std::vector<std::string> hintTexts;

  private:
    Surface table_;
    std::array<Surface, kPictureBoxes> pictureSurfaces_;
    std::array<PictureBox, kPictureBoxes> pictureBoxes_;
    std::array<ChoiceButton, kChoiceButtons> choices_;
    std::map<TableMenu, bool> menus_;
    std::map<TableTimerId, TableTimer> timers_;
    int mousePointer_ = 0;
};
