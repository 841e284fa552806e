#pragma once

#include "taborder.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QPointer>

class QStatusBar;

namespace suite {

// Where a window of `frame` size starts when centred on `available`: centred, but never
// above or left of it, so a window larger than the screen shows its title bar and menu.
QPoint CenteredTopLeft(const QSize& frame, const QRect& available);

// Base of every window of the suite: a main window whose central widget is the client area
// where controls sit at twip positions.
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    QWidget* Client() const { return client_; }
    void SetClientSizeTwips(int width, int height);
    // Centred on the primary screen's available area (CenteredTopLeft).
    void CenterOnScreen();
    // Title bar with caption only: no system menu, no close, minimise or maximise buttons.
    void SetNoControlBox();
    void SetNoMaximize();
    void SetNoMinimize();
    // A window without a maximise button (SetNoMaximize, SetNoControlBox) has a fixed
    // border: it keeps its design size (client area, menu bar and status bar), which is its
    // minimum and maximum size, so no window manager can resize or maximise it.
    bool HasFixedBorder() const { return noControlBox_ || noMaximize_; }

    // At most one default button. Enter presses the focused command button when one has the
    // focus, and otherwise the default button if it is enabled and visible; a default that
    // is set to answer while hidden answers invisible too. Making a button the default takes
    // the role from the previous one; nullptr: none.
    enum class WhileHidden { Silent, Answers };
    void SetDefaultButton(QAbstractButton* button, WhileHidden whileHidden = WhileHidden::Silent);
    QAbstractButton* DefaultButton() const { return defaultButton_; }
    // The button Escape presses.
    void SetCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    // What Enter does, for tests and for the key filter alike.
    void PressEnter();

    TabOrder& Tabs() { return tabs_; }

    // The date and time panels; they keep themselves current.
    QStatusBar* AddDateTimeStatusBar();

signals:
    // Emitted when the window has closed for good (its widgets are about to go).
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Called before the window closes; the unload step of windows that have one.
    virtual void Form_Unload() {}

private:
    QWidget* client_;
    void ApplyTitleBar();
    bool noControlBox_ = false;
    bool noMaximize_ = false;
    bool noMinimize_ = false;
    QPointer<QAbstractButton> defaultButton_;
    WhileHidden defaultWhileHidden_ = WhileHidden::Silent;
    QPointer<QAbstractButton> cancelButton_;
    TabOrder tabs_;
};

}  // namespace suite
