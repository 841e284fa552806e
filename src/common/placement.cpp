#include "placement.h"

#include "twips.h"

#include <QLabel>
#include <QPushButton>

namespace suite {

int PlaceRow(Form& form, int left, int top, int height, const std::vector<Piece>& pieces,
             CaptionOf captions)
{
    int x = left;
    QLabel* captionBefore = nullptr;
    TextBox* boxBefore = nullptr;
    for (const Piece& piece : pieces) {
        if (piece.box) {
            auto* box = new TextBox(form.Client());
            box->setObjectName(piece.text);
            box->setGeometry(TwipsRect(x, top, piece.width, height));
            if (!piece.spoken.isEmpty())
                box->setAccessibleName(piece.spoken);
            else if (captionBefore)
                captionBefore->setBuddy(box);
            form.Tabs().Add(box);
            *piece.box = box;
            captionBefore = nullptr;
            boxBefore = box;
        } else {
            auto* label = PlaceLabel(form.Client(), piece.text, x, top, piece.width, height);
            label->setAlignment(Qt::AlignCenter);
            if (captions == CaptionOf::BoxAfter) {
                captionBefore = label;
            } else {
                // A blank between two result boxes names neither.
                if (boxBefore && !piece.text.isEmpty()) label->setBuddy(boxBefore);
                boxBefore = nullptr;
            }
        }
        x += piece.width;
    }
    return x;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

QPushButton* PlaceButton(Form& form, const QString& name, const QString& caption, int left,
                         int top, int width, int height)
{
    auto* button = new QPushButton(caption, form.Client());
    button->setObjectName(name);
    button->setGeometry(TwipsRect(left, top, width, height));
    form.Tabs().Add(button);
    return button;
}

}  // namespace suite
