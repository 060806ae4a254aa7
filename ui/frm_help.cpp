#include "ui/frm_help.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "engine/hint_request.h"
#include "platform/cursor.h"
#include "platform/settings/player_settings.h"
#include "render/screen_scale.h"

namespace {

constexpr int kFirstFlashMs = 10;
constexpr int kFlashEveryMs = 2000;
constexpr double kTextPoints = 12;
constexpr double kHintPoints = 9;
constexpr int32_t kPointerStays = 1 << 27;

QFont HelpFont(double points) {
    QFont font("Times New Roman");
    font.setPointSizeF(points * (scale.ScaleFactor > 0 ? scale.ScaleFactor : 1.0));
    return font;
}

}  // namespace

frmHelp::frmHelp(QWidget* owner, const QString& explanation) : QDialog(owner) {
    setWindowTitle("Kavlor");
    setModal(true);
    helpTxt_ = new QLabel(explanation, this);
    helpTxt_->setWordWrap(true);
    helpTxt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpTxt_->setFont(HelpFont(kTextPoints));
    lblMouse_ = new QLabel("(Click within window or Esc to Continue)", this);
    lblMouse_->setAlignment(Qt::AlignCenter);
    lblMouse_->setFont(HelpFont(kHintPoints));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpTxt_, 1);
    layout->addWidget(lblMouse_);

    timer2_.setSingleShot(true);
    timer2_.setInterval(kFirstFlashMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    timer1_.setInterval(kFlashEveryMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { Flashy(); });
    timer2_.start();
    timer1_.start();
    APIs::InstallHelpWindowLocator([this] { return frameGeometry(); });
}

frmHelp::~frmHelp() {
    APIs::InstallHelpWindowLocator({});
}

void frmHelp::Flashy() {
    if (flashing_) return;
    flashing_ = true;
    PlayHelp::ShowAdvisedAnswer();
    flashing_ = false;
}

void frmHelp::Timer2_Timer() {
    if ((settings.Opts3 & kPointerStays) == 0) APIs::CenterCursorOnHelp();
    Flashy();
}

void frmHelp::mousePressEvent(QMouseEvent*) {
    accept();
}

void frmHelp::keyPressEvent(QKeyEvent*) {
    accept();
}
