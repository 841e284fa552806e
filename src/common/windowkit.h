#pragma once
// Window conventions shared by every program: Enter on the focused button or else the one
// default button, tab index and tab stop, windows without a control box, text boxes
// whose limit applies to typing only, a date-and-time status bar, and one instance per
// window class whose widgets are rebuilt on each showing.

#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include <QAbstractButton>
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;

namespace suite {

// A text box whose character limit binds what the learner types or pastes, never what the
// program writes with setText (a program write of "1001" into a 3-character box stays whole).
// A text the program writes is seen from its first character, sign and leading digits
// however long it is; what the learner types shows around the caret, as usual.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    // QLineEdit::setText, with the caret put before the first character. A write through a
    // QLineEdit pointer gets the same from the change signal, unless it repeats the text
    // already there: that moves only the caret, which no signal tells apart from the
    // learner's own moves.
    void setText(const QString& text);
    void SetTypedLimit(int characters);  // 0: no limit
    int TypedLimit() const { return typedLimit_; }
    // Pastes the clipboard, cut to the room the limit leaves.
    void PasteWithinLimit();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int Room() const;
    int typedLimit_ = 0;
};

// Tab order with the meaning of a tab index: setting a control's index moves it to that
// place, the others keeping their relative order; a control whose tab stop is off keeps
// its place but the Tab key skips it (it still takes focus on a click).
class TabOrder {
public:
    void Add(QWidget* control, bool tabStop = true);
    void SetTabIndex(QWidget* control, int index);
    int TabIndex(QWidget* control) const;
    void SetTabStop(QWidget* control, bool on);
    bool TabStop(QWidget* control) const;
    // The controls in order, tab stops or not.
    std::vector<QWidget*> Order() const;
    // The controls the Tab key visits, in order (tab stop on, enabled, visible or not).
    std::vector<QWidget*> Stops() const;

private:
    struct Entry {
        QPointer<QWidget> control;
        bool tabStop;
        Qt::FocusPolicy policy;
    };
    std::vector<Entry> entries_;
    void Apply();
    Entry* Find(QWidget* control);
    const Entry* Find(QWidget* control) const;
};

// Base of every window of the suite: a main window whose central widget is the client area
// where controls sit at twip positions.
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    QWidget* Client() const { return client_; }
    void SetClientSizeTwips(int width, int height);
    void CenterOnScreen();
    // Title bar with caption only: no system menu, no close, minimise or maximise buttons.
    void SetNoControlBox();
    void SetNoMaximize();
    void SetNoMinimize();

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

// A menu item with its object name and its shortcut (none when the key is empty).
QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& key = {});

// Texts of the status bar panels, for a given moment.
QString StatusDateText(const QDateTime& when);
QString StatusTimeText(const QDateTime& when);

// One instance of a window class. The window is created (and its load step runs in its
// constructor) on first use; closing it destroys its widgets, and the next use builds them
// again in their design state. Variables that must outlive the widgets live in a struct
// the factory captures.
template <class W>
class FormSlot {
public:
    using Factory = std::function<W*()>;
    explicit FormSlot(Factory factory) : factory_(std::move(factory)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    ~FormSlot() { delete form_.data(); }

    W* Instance()
    {
        if (!form_) {
            form_ = factory_();
            form_->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(form_.data(), &Form::closed, form_.data(), [this, w = form_.data()] {
                if (form_ == w) form_ = nullptr;
            });
        }
        return form_;
    }
    W* Existing() const { return form_; }
    bool IsLoaded() const { return !form_.isNull(); }
    void Show()
    {
        W* w = Instance();
        w->show();
        w->raise();
        w->activateWindow();
    }

private:
    Factory factory_;
    QPointer<W> form_;
};

}  // namespace suite
