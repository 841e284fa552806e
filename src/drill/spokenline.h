#pragma once
// Pieces of a drill's question row (labels, strokes of a radical) that a screen reader reads
// as one line of written maths, "√81 =" or "C(9,3) =", instead of one piece at a time.

#include <QWidget>

namespace suite::drill {

class SpokenLine : public QWidget {
    Q_OBJECT
public:
    explicit SpokenLine(QWidget* parent);

    // Takes the piece in; it keeps its place on the window. Its own changes of text are no
    // longer announced: the line speaks for it.
    void Hold(QWidget* piece);
    // Fits the line around its pieces, which stay where they are on the window.
    void FitToPieces();
    // What the line reads now. Said anew even when the words repeat, since a new question is
    // shown; one announcement for the whole line.
    void Say(const QString& words);
};

}  // namespace suite::drill
