#include "textbox.h"

#include "modalscope.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <algorithm>

namespace suite {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    // QLineEdit leaves the caret after a text the program sets and scrolls to it, which
    // hides the sign and first digits of a long value. Only setText leaves the undo history
    // clean; every edit of the learner's, undo included, leaves a trace in it.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified() && !isUndoAvailable() && !isRedoAvailable()) PlaceCaretAfterWrite();
    });
}

void TextBox::setText(const QString& text)
{
    QLineEdit::setText(text);
    PlaceCaretAfterWrite();
}

void TextBox::PlaceCaretAfterWrite()
{
    // A write that a change handler makes in answer to the learner's key keeps the caret
    // where the learner goes on typing.
    if (learnerEditing_) {
        rewritten_ = true;
        end(false);
    } else {
        setCursorPosition(0);
    }
}

template <class Edit>
void TextBox::AsLearner(Edit edit)
{
    const bool outermost = !learnerEditing_;
    const QScopedValueRollback<bool> editing(learnerEditing_, true);
    if (outermost) rewritten_ = false;
    edit();
    // QLineEdit may still place the caret after the handler's write; the write wins.
    if (outermost && rewritten_) end(false);
}

void TextBox::SetTypedLimit(int characters) { typedLimit_ = characters; }

int TextBox::Room() const
{
    return typedLimit_ - (static_cast<int>(text().size()) - static_cast<int>(selectedText().size()));
}

void TextBox::PasteWithinLimit()
{
    AsLearner([this] {
        QString clip = QGuiApplication::clipboard()->text();
        clip.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (typedLimit_ > 0) clip = clip.left(std::max(0, Room()));
        if (!clip.isEmpty() || hasSelectedText()) insert(clip);
    });
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
    AsLearner([this, event] { TypedKey(event); });
}

void TextBox::TypedKey(QKeyEvent* event)
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
    AsLearner([this, event] { Composed(event); });
}

void TextBox::Composed(QInputMethodEvent* event)
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
        // The window's clocks run on while the menu is open, but the window, should its run
        // end meanwhile, goes only once the menu has returned.
        const ModalScope wait(this, ModalScope::Holding::WindowOnly);
        AsLearner([&] { menu->exec(event->globalPos()); });
    }
    delete menu;
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    AsLearner([this, event] { QLineEdit::mouseReleaseEvent(event); });
}

}  // namespace suite
