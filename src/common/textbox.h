#pragma once

#include <QLineEdit>

namespace suite {

// A text box whose character limit binds what the learner types or pastes, never what the
// program writes with setText (a program write of "1001" into a 3-character box stays whole).
// A text the program writes is seen from its first character, sign and leading digits
// however long it is; what the learner types shows around the caret, as usual. A change
// handler that rewrites the box while the learner types (a bound cut to a whole number)
// leaves the caret at the end, so the next key lands after the text, not before it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    // QLineEdit::setText, with the caret put before the first character (at the end while
    // the learner's key or paste is being handled). A write through a QLineEdit pointer gets
    // the same from the change signal, unless it repeats the text already there: that moves
    // only the caret, which no signal tells apart from the learner's own moves.
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
    void mouseReleaseEvent(QMouseEvent* event) override;  // a middle-click paste

private:
    int Room() const;
    // Runs one edit of the learner's; a program write during it ends with the caret at the end.
    template <class Edit>
    void AsLearner(Edit edit);
    void PlaceCaretAfterWrite();
    void TypedKey(QKeyEvent* event);
    void Composed(QInputMethodEvent* event);
    int typedLimit_ = 0;
    bool learnerEditing_ = false;
    bool rewritten_ = false;
};

}  // namespace suite
