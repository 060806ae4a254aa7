#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

// The hint's explanation beside the table. It moves the pointer into itself, flashes
// the advised answer every two seconds and closes on a click or any key.
class frmHelp final : public QDialog {
    Q_OBJECT
  public:
    // The owner places and sizes the window before it is shown.
    frmHelp(QWidget* owner, const QString& explanation);
    ~frmHelp() override;

    // The advised answer shown once on the table.
    void Flashy();

    QLabel* HelpTxt() { return helpTxt_; }
    QLabel* LblMouse() { return lblMouse_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Timer2_Timer();

    QLabel* helpTxt_ = nullptr;
    QLabel* lblMouse_ = nullptr;
    QTimer timer1_;
    QTimer timer2_;
    // A blink pumps events: a tick meanwhile must not start a second one.
    bool flashing_ = false;
};
