#include "ui/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/player_settings_io.h"
#include "platform/screen.h"
#include "platform/settings/player_settings.h"
#include "render/gdi/surface.h"
#include "render/screen_scale.h"
#include "render/table_controls.h"
#include "render/table_geometry.h"
#include "ui/closing_window.h"
#include "ui/frm_help.h"

namespace {

constexpr int kDefFocusLeft = -50;
constexpr int kBusyPointer = 11;
constexpr double kHelpShare = 0.3;
constexpr int kHelpMinWidth = 320;
constexpr int kHelpMinHeight = 200;
constexpr std::array<const char*, kChoiceButtons> kDesignCaptions{"Hearts", "Diamonds", "Clubs",
                                                                  "Spades", "Cancel",   "Review"};

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

size_t Slot(int index, int count) {
    return static_cast<size_t>(std::clamp(index, 0, count - 1));
}

float Scale() {
    return scale.ScaleFactor > 0 ? scale.ScaleFactor : 1.0f;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Kavlor");
    tableWidget_ = new SurfaceWidget(this);
    setCentralWidget(tableWidget_);
    tableWidget_->SetPressHandler(
        [this](int button, int shift, float x, float y) { Form_MouseDown(button, shift, x, y); });
    tableWidget_->SetMoveHandler(
        [this](int button, int shift, float x, float y) { Form_MouseMove(button, shift, x, y); });
    for (int i = 0; i < kPictureBoxes; ++i) {
        auto* box = new SurfaceWidget(tableWidget_);
        box->SetPressHandler([this, i](int button, int shift, float x, float y) {
            PicB_MouseDown(i, button, shift, x, y);
        });
        pictures_[static_cast<size_t>(i)] = box;
    }
    for (int i = 0; i < kChoiceButtons; ++i) {
        auto* button = new QPushButton(kDesignCaptions[static_cast<size_t>(i)], tableWidget_);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { Choice_Click(i); });
        choices_[static_cast<size_t>(i)] = button;
    }
    defFocus_ = new QPushButton(tableWidget_);
    defFocus_->setGeometry(kDefFocusLeft, 0, 10, 10);
    lblPtrg_ = new QLabel("Ptrg", tableWidget_);
    lblPtrg_->move(4, 4);
    lblMouse_ = new QLabel("X,Y", tableWidget_);
    lblMouse_->move(4, 24);

    QMenu* file = menuBar()->addMenu("&File");
    menus_[TableMenu::MnuFileNew] = file->addAction("Start &New Game");
    menus_[TableMenu::MnuFileSaveHand] = file->addAction("&Save Hand");
    timers_[TableTimerId::AttractTimer] = new VbTimer(this);
    timers_[TableTimerId::SlowpokeTimer] = new VbTimer(this);

    qApp->installEventFilter(this);
    InstallTable(this);
    Form_Load();
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
    if (CurrentTable() == this) InstallTable(nullptr);
}

void frmMain::Form_Load() {
    const float s = Scale();
    // The table's client area is the table itself; the menu bar sits above it.
    tableWidget_->setFixedSize(static_cast<int>(std::nearbyint(800 * s)),
                               static_cast<int>(std::nearbyint(600 * s)));
    tableWidget_->surface().Resize(tableWidget_->width(), tableWidget_->height(),
                                   settings.Background);
    lblMouse_->setVisible(IsSet(flags.Stat2, Stat2Bits::ShowMouseCoords));
    lblPtrg_->setVisible(IsSet(flags.Stat2, Stat2Bits::ShowPtrg));
    ScaleForm();
    FormFunctions::ApplyTableColors();
    if (flow.Ptrg == 0) flow.Ptrg = 5;
    flow.InputOpen = true;
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Form_Activate();
}

void frmMain::Form_Activate() {
    ClearBit(flags.Stat0, Stat0Bits::PlayersFromStart);
    if (activated_) return;
    activated_ = true;
    ScaleForm();
    FocusDefault();
}

void frmMain::ScaleForm() {
    const TableLayout layout = FormFunctions::LayOutCurrentTable();
    for (int i = 0; i < kPictureBoxes; ++i) {
        PictureBox box = pictureStates_[static_cast<size_t>(i)];
        const BoxRect& rect = layout.PicB[static_cast<size_t>(i)];
        box.Left = rect.Left;
        box.Top = rect.Top;
        box.Width = rect.Width;
        box.Height = rect.Height;
        SetPicBState(i, box);
    }
    QFont font("Kavlor4");
    font.setPointSize(layout.ChoiceFontSize);
    for (size_t i = 0; i < choices_.size(); ++i) {
        const BoxRect& rect = layout.Choice[i];
        choices_[i]->setGeometry(rect.Left, rect.Top, rect.Width, rect.Height);
        choices_[i]->setFont(font);
    }
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Unload() {
    // Deferred, so the game flow below us returns before the window goes.
    QTimer::singleShot(0, this, [this] { close(); });
}

void frmMain::Form_Unload() {
    if (IsSet(flags.Stat0, Stat0Bits::RebuildMainWindow)) {
        FormFunctions::SaveTableControls();
        if (onRebuild_) QTimer::singleShot(0, this, onRebuild_);
        return;
    }
    SetBit(flags.Stat0, Stat0Bits::MainWindowClosing);
    flow.QuitNow = true;
    if (helpWindow_) helpWindow_->reject();
    if (!IsSet(flags.Stat0, Stat0Bits::ExitStarted)) KeepWindowRect();
    KavlorMain::SaveSettings(settings.PlayerNames[0], 0);
    FormFunctions::ShowClosingScreen();
    hand.CardUp = 0;
}

void frmMain::KeepWindowRect() {
    const QRect rect = isMinimized() ? normalGeometry() : frameGeometry();
    const ScreenMetrics screen = APIs::CurrentScreen();
    tableControls.MainWindowRect = {static_cast<int32_t>(rect.left() * screen.TwipsPerPixelX()),
                                    static_cast<int32_t>(rect.top() * screen.TwipsPerPixelY()),
                                    static_cast<int32_t>(rect.width() * screen.TwipsPerPixelX()),
                                    static_cast<int32_t>(rect.height() * screen.TwipsPerPixelY())};
}

void frmMain::RefreshTable() {
    tableWidget_->repaint();
}

Surface& frmMain::PicB(int index) {
    return pictures_[Slot(index, kPictureBoxes)]->surface();
}

PictureBox frmMain::PicBState(int index) const {
    return pictureStates_[Slot(index, kPictureBoxes)];
}

void frmMain::SetPicBState(int index, const PictureBox& box) {
    const size_t i = Slot(index, kPictureBoxes);
    SurfaceWidget* widget = pictures_[i];
    if (box.Width != widget->surface().Width() || box.Height != widget->surface().Height()) {
        widget->surface().Resize(std::max(box.Width, 0), std::max(box.Height, 0), box.BackColor);
    }
    widget->setGeometry(box.Left, box.Top, std::max(box.Width, 0), std::max(box.Height, 0));
    widget->setVisible(box.Visible);
    pictureStates_[i] = box;
}

void frmMain::RefreshPicB(int index) {
    pictures_[Slot(index, kPictureBoxes)]->repaint();
}

ChoiceButton frmMain::Choice(int index) const {
    const size_t i = Slot(index, kChoiceButtons);
    const QPushButton* button = choices_[i];
    return {button->text().toStdString(),
            choiceTags_[i],
            button->isVisibleTo(this),
            button->isEnabled(),
            button->x(),
            button->y(),
            button->width(),
            button->height(),
            button->font().pointSizeF(),
            button->font().bold()};
}

void frmMain::SetChoice(int index, const ChoiceButton& state) {
    const size_t i = Slot(index, kChoiceButtons);
    QPushButton* button = choices_[i];
    choiceTags_[i] = state.Tag;
    button->setText(Qs(state.Caption));
    if (state.FontSize > 0) {
        QFont font = button->font();
        font.setPointSizeF(state.FontSize);
        font.setBold(state.FontBold);
        button->setFont(font);
    }
    button->setEnabled(state.Enabled);
    // A disabled button lets its clicks through to the table beneath.
    button->setAttribute(Qt::WA_TransparentForMouseEvents, !state.Enabled);
    button->setGeometry(state.Left, state.Top, state.Width, state.Height);
    button->setVisible(state.Visible);
}

void frmMain::FocusDefault() {
    defFocus_->setFocus();
}

void frmMain::SetLblPtrg(const std::string& caption) {
    lblPtrg_->setText(Qs(caption));
    lblPtrg_->adjustSize();
}

bool frmMain::MenuEnabled(TableMenu item) const {
    return menus_.at(item)->isEnabled();
}

void frmMain::SetMenuEnabled(TableMenu item, bool enabled) {
    menus_.at(item)->setEnabled(enabled);
}

TableTimer frmMain::Timer(TableTimerId id) const {
    return timers_.at(id)->State();
}

void frmMain::SetTimer(TableTimerId id, const TableTimer& timer) {
    timers_.at(id)->SetState(timer);
}

void frmMain::SetMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == kBusyPointer) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void frmMain::ShowHintWindow(const std::string& explanation) {
    auto* help = new frmHelp(this, Qs(explanation));
    helpWindow_ = help;
    PlaceHelpWindow(*help);
    help->exec();
    help->deleteLater();
}

// Beside the table where the screen has room, vertically centred on it.
void frmMain::PlaceHelpWindow(QWidget& help) const {
    const QRect screen = this->screen()->availableGeometry();
    const int width = std::max(kHelpMinWidth, static_cast<int>(screen.width() * kHelpShare));
    const int height = std::max(kHelpMinHeight, static_cast<int>(screen.height() * kHelpShare));
    const QRect table = frameGeometry();
    int left = table.right() + 1;
    if (left + width > screen.right()) left = table.left() - width;
    if (left < screen.left()) left = screen.right() - width;
    const int top = std::clamp(table.center().y() - height / 2, screen.top(),
                               std::max(screen.top(), screen.bottom() - height));
    help.setGeometry(std::max(left, screen.left()), top, width, height);
}
