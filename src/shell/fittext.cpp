#include "shell/fittext.h"

#include "common/fonts.h"

#include <QLabel>

namespace suite::shell {

void FitWrappedText(QLabel* label, const QString& face, double points, double smallest)
{
    label->setFont(NamedFont(face, points));
    while (points - 0.75 >= smallest && label->heightForWidth(label->width()) > label->height()) {
        points -= 0.75;
        label->setFont(NamedFont(face, points));
    }
}

}  // namespace suite::shell
