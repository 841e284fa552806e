#include "form.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace suite {

Form::Form(QWidget* parent) : QMainWindow(parent), client_(new QWidget(this))
{
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    // Minimised, Qt names a window by its icon text; the title ("…（暂停）") must stay its name.
    connect(this, &QWidget::windowTitleChanged, this, &QWidget::setWindowIconText);
    installEventFilter(this);
}

Form::~Form() = default;

void Form::SetClientSizeTwips(int width, int height)
{
    client_->setFixedSize(TwipsSize(width, height));
    adjustSize();
}

QPoint CenteredTopLeft(const QSize& frame, const QRect& available)
{
    QRect placed(QPoint(), frame);
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

void Form::CenterOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Controls, menus and status bar added since the last layout pass count in the size.
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    move(CenteredTopLeft(frameGeometry().size(), screen->availableGeometry()));
}

void Form::SetNoControlBox()
{
    noControlBox_ = true;
    ApplyTitleBar();
}

void Form::SetNoMaximize()
{
    noMaximize_ = true;
    ApplyTitleBar();
}

void Form::SetNoMinimize()
{
    noMinimize_ = true;
    ApplyTitleBar();
}

void Form::ApplyTitleBar()
{
    // Each call states the whole title bar, so the calls combine in any order.
    Qt::WindowFlags flags = windowFlags();
    flags &= ~(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
               Qt::WindowMaximizeButtonHint);
    flags |= Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!noControlBox_) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (!noMinimize_) flags |= Qt::WindowMinimizeButtonHint;
        if (!noMaximize_) flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
    // The layout sets the minimum and maximum size to the design size, and again whenever
    // a menu bar or status bar joins the window.
    if (QLayout* frameLayout = layout())
        frameLayout->setSizeConstraint(HasFixedBorder() ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
}

void Form::SetDefaultButton(QAbstractButton* button, WhileHidden whileHidden)
{
    if (auto* old = qobject_cast<QPushButton*>(defaultButton_.data())) old->setDefault(false);
    defaultButton_ = button;
    defaultWhileHidden_ = whileHidden;
    if (auto* now = qobject_cast<QPushButton*>(button)) now->setDefault(true);
}

namespace {
// Buttons that carry out a command; option buttons and check boxes only choose.
QAbstractButton* CommandButton(QWidget* widget)
{
    if (qobject_cast<QPushButton*>(widget) || qobject_cast<QToolButton*>(widget))
        return static_cast<QAbstractButton*>(widget);
    return nullptr;
}
}  // namespace

void Form::PressEnter()
{
    if (QAbstractButton* focused = CommandButton(focusWidget())) {
        if (focused->isEnabled() && focused->isVisibleTo(this)) focused->click();
        return;
    }
    if (!defaultButton_ || !defaultButton_->isEnabled()) return;
    if (defaultButton_->isVisibleTo(this) || defaultWhileHidden_ == WhileHidden::Answers)
        defaultButton_->click();
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            PressEnter();
            return true;
        }
        if (plain && key->key() == Qt::Key_Escape && cancelButton_) {
            if (cancelButton_->isEnabled()) cancelButton_->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form::showEvent(QShowEvent* event)
{
    // A window opens with the focus on its first tab stop that can take it, so the learner
    // can start with the keyboard at once.
    if (!focusWidget()) {
        for (QWidget* control : tabs_.Stops()) {
            if (control->isVisibleTo(this) && control->isEnabled()) {
                control->setFocus();
                break;
            }
        }
    }
    // A window that keeps its size offers no grip to change it.
    if (auto* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        bar->setSizeGripEnabled(!HasFixedBorder());
    QMainWindow::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    // A window without a control box is left only through its own controls, which bring the
    // main menu back; a close from the window manager (Alt+F4) would strand the learner.
    if (noControlBox_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    Form_Unload();
    // Timers stop with the window, before its widgets go.
    for (QTimer* timer : findChildren<QTimer*>()) timer->stop();
    event->accept();
    emit closed();
}

}  // namespace suite
