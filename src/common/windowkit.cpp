#include "windowkit.h"

#include "modalscope.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace suite {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    // QLineEdit leaves the caret after a text the program sets and scrolls to it, which
    // hides the sign and first digits of a long value. Only setText leaves the undo history
    // clean; every edit of the learner's, undo included, leaves a trace in it.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified() && !isUndoAvailable() && !isRedoAvailable()) setCursorPosition(0);
    });
}

void TextBox::setText(const QString& text)
{
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void TextBox::SetTypedLimit(int characters) { typedLimit_ = characters; }

int TextBox::Room() const
{
    return typedLimit_ - (static_cast<int>(text().size()) - static_cast<int>(selectedText().size()));
}

void TextBox::PasteWithinLimit()
{
    QString clip = QGuiApplication::clipboard()->text();
    clip.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (typedLimit_ > 0) clip = clip.left(std::max(0, Room()));
    if (!clip.isEmpty() || hasSelectedText()) insert(clip);
}

bool TextBox::event(QEvent* event)
{
    // Menu shortcuts win over the box's own editing keys: Ctrl+X is "返回" in a drill
    // window even while the learner types the answer.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : window()->findChildren<QAction*>()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (typedLimit_ > 0) {
        if (event->matches(QKeySequence::Paste)) {
            PasteWithinLimit();
            event->accept();
            return;
        }
        const QString typed = event->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (printable && typed.size() > Room()) {
            event->accept();  // refused, as a full box refuses a key
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (typedLimit_ > 0 && event->commitString().size() > std::max(0, Room())) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(event->commitString().left(std::max(0, Room())), event->replacementStart(),
                            event->replacementLength());
        QLineEdit::inputMethodEvent(&cut);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, &TextBox::PasteWithinLimit);
    }
    {
        // The menu's own event loop must not let the window's timers close it underneath.
        const ModalScope wait;
        menu->exec(event->globalPos());
    }
    delete menu;
}

// --- tab order --------------------------------------------------------------------------

TabOrder::Entry* TabOrder::Find(QWidget* control)
{
    for (auto& e : entries_)
        if (e.control == control) return &e;
    return nullptr;
}

const TabOrder::Entry* TabOrder::Find(QWidget* control) const
{
    for (const auto& e : entries_)
        if (e.control == control) return &e;
    return nullptr;
}

void TabOrder::Add(QWidget* control, bool tabStop)
{
    if (Find(control)) return;
    Qt::FocusPolicy policy = control->focusPolicy();
    if (!(policy & Qt::TabFocus)) policy = Qt::StrongFocus;
    entries_.push_back({control, tabStop, policy});
    Apply();
}

void TabOrder::SetTabIndex(QWidget* control, int index)
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.control == control; });
    if (it == entries_.end()) return;
    Entry moved = *it;
    entries_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(entries_.size()));
    entries_.insert(entries_.begin() + index, moved);
    Apply();
}

int TabOrder::TabIndex(QWidget* control) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].control == control) return static_cast<int>(i);
    return -1;
}

void TabOrder::SetTabStop(QWidget* control, bool on)
{
    if (Entry* e = Find(control)) {
        e->tabStop = on;
        Apply();
    }
}

bool TabOrder::TabStop(QWidget* control) const
{
    const Entry* e = Find(control);
    return e && e->tabStop;
}

std::vector<QWidget*> TabOrder::Order() const
{
    std::vector<QWidget*> out;
    for (const auto& e : entries_)
        if (e.control) out.push_back(e.control);
    return out;
}

std::vector<QWidget*> TabOrder::Stops() const
{
    std::vector<QWidget*> out;
    for (const auto& e : entries_)
        if (e.control && e.tabStop) out.push_back(e.control);
    return out;
}

void TabOrder::Apply()
{
    QWidget* previous = nullptr;
    for (auto& e : entries_) {
        if (!e.control) continue;
        // Off the tab stops, a control still takes focus on a click.
        e.control->setFocusPolicy(e.tabStop ? e.policy : Qt::ClickFocus);
        if (previous) QWidget::setTabOrder(previous, e.control);
        previous = e.control;
    }
}

// --- form -------------------------------------------------------------------------------

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

void Form::CenterOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
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

QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(key);
    item->setShortcutContext(Qt::WindowShortcut);
    return item;
}

QString StatusDateText(const QDateTime& when) { return when.toString(QStringLiteral("yyyy/M/d")); }

QString StatusTimeText(const QDateTime& when) { return when.toString(QStringLiteral("H:mm")); }

QStatusBar* Form::AddDateTimeStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto* date = new QLabel(bar);
    date->setObjectName(QStringLiteral("sbDate"));
    auto* time = new QLabel(bar);
    time->setObjectName(QStringLiteral("sbTime"));
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    setStatusBar(bar);
    auto refresh = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(StatusDateText(now));
        time->setText(StatusTimeText(now));
    };
    refresh();
    // The clock panels keep themselves current while the window is open.
    auto* clock = new QTimer(bar);
    clock->setObjectName(QStringLiteral("sbClock"));
    connect(clock, &QTimer::timeout, bar, refresh);
    clock->start(1000);
    return bar;
}

}  // namespace suite
