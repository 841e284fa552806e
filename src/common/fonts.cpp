#include "fonts.h"

#include "suitestyle.h"

#include <QApplication>
#include <QStringList>

namespace suite {

void InstallFontSubstitutions()
{
    // Windows faces named by the windows, and the free fonts of the closest style:
    // brush-written faces to Kai, Song to Ming, the Hei faces to sans.
    const QStringList kai = {"AR PL UKai CN", "Noto Serif CJK SC"};
    const QStringList song = {"AR PL UMing CN", "Noto Serif CJK SC"};
    const QStringList hei = {"Noto Sans CJK SC", "WenQuanYi Zen Hei"};
    const QStringList boldHei = {"WenQuanYi Zen Hei", "Noto Sans CJK SC"};
    QFont::insertSubstitutions(QStringLiteral("华文行楷"), kai);
    QFont::insertSubstitutions(QStringLiteral("隶书"), kai);
    QFont::insertSubstitutions(QStringLiteral("方正舒体"), kai);
    QFont::insertSubstitutions(QStringLiteral("华文新魏"), kai);
    QFont::insertSubstitutions(QStringLiteral("楷体"), kai);
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("新宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("华文细黑"), hei);
    QFont::insertSubstitutions(QStringLiteral("黑体"), hei);
    QFont::insertSubstitutions(QStringLiteral("华文彩云"), boldHei);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), hei);
    // A narrow Latin face of the same widths; the Chinese texts printed in it come from
    // the Hei faces after it.
    QFont::insertSubstitutions(QStringLiteral("Arial Narrow"),
                               QStringList{QStringLiteral("Liberation Sans Narrow")} + hei);

    QApplication::setStyle(new SuiteStyle);
    QFont base(QStringLiteral("Noto Sans CJK SC"));
    base.setPointSizeF(9);
    QApplication::setFont(base);
}

QFont NamedFont(const QString& face, double pointSize, bool bold)
{
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace suite
