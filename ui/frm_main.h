#pragma once

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <functional>
#include <map>

#include "engine/input_door.h"
#include "render/table_host.h"
#include "ui/surface_widget.h"
#include "ui/vb_timer.h"

// The card table: the one window in which a game is played. It is the game's
// TableHost and its door: every click, key and answer button reaches the game flow
// as one call of Form_MouseDown.
class frmMain final : public QMainWindow, public TableHost {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Run on the restart path of the unload, after the controls were saved: the
    // owner builds a new window at the new scale once the running call has returned.
    void SetRebuildHandler(std::function<void()> handler) { onRebuild_ = std::move(handler); }

    // Keeps the window's normal rectangle in twips, also when it is minimised.
    void KeepWindowRect();

    // Who receives what passes the door: the game flow unless a listener is set.
    void SetGameEntry(GamePlay::GameEntry entry) { gameEntry_ = std::move(entry); }

    // The door and its producers.
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_KeyDown(int KeyCode, int Shift);
    void Choice_Click(int Index);
    void Choice_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void PicB_MouseDown(int Index, int Button, int Shift, float X, float Y);

    QPushButton* ChoiceWidget(int index) { return choices_[static_cast<size_t>(index)]; }
    SurfaceWidget* TableWidget() { return tableWidget_; }
    SurfaceWidget* PicBWidget(int index) { return pictures_[static_cast<size_t>(index)]; }
    QPushButton* DefFocusWidget() { return defFocus_; }

    Surface& Table() override { return tableWidget_->surface(); }
    void RefreshTable() override;
    Surface& PicB(int index) override;
    PictureBox PicBState(int index) const override;
    void SetPicBState(int index, const PictureBox& box) override;
    void RefreshPicB(int index) override;
    ChoiceButton Choice(int index) const override;
    void SetChoice(int index, const ChoiceButton& button) override;
    void FocusDefault() override;
    void SetLblPtrg(const std::string& caption) override;
    bool MenuEnabled(TableMenu item) const override;
    void SetMenuEnabled(TableMenu item, bool enabled) override;
    TableTimer Timer(TableTimerId id) const override;
    void SetTimer(TableTimerId id, const TableTimer& timer) override;
    int MousePointer() const override { return mousePointer_; }
    void SetMousePointer(int pointer) override;
    void Unload() override;
    void ShowHintWindow(const std::string& explanation) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void ScaleForm();
    bool ChoiceLive(int index, const std::string& caption) const;
    bool HandleLetterKey(int KeyCode);
    void HandleKeyAlways(int KeyCode, int Shift);
    void PlaceHelpWindow(QWidget& help) const;

    SurfaceWidget* tableWidget_ = nullptr;
    std::array<SurfaceWidget*, kPictureBoxes> pictures_{};
    std::array<PictureBox, kPictureBoxes> pictureStates_{};
    std::array<QPushButton*, kChoiceButtons> choices_{};
    std::array<std::string, kChoiceButtons> choiceTags_{};
    QPushButton* defFocus_ = nullptr;
    QLabel* lblPtrg_ = nullptr;
    QLabel* lblMouse_ = nullptr;
    QPointer<QDialog> helpWindow_;
    std::map<TableMenu, QAction*> menus_;
    std::map<TableTimerId, VbTimer*> timers_;
    std::function<void()> onRebuild_;
    GamePlay::GameEntry gameEntry_;
    int mousePointer_ = 0;
    bool activated_ = false;
};
