#pragma once

#include <QLineEdit>

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

}  // namespace suite
