// Times how long the table of function values takes to reprint on a keystroke: the new
// lines alone, and the lines together with painting them onto the window.
// Usage: tools_mathtable_bench [rounds]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include "common/fonts.h"
#include "common/qtplatform.h"
#include "tools/mathtable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Figures {
    double mean, median, worst;
};

Figures Summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms) sum += m;
    return {sum / ms.size(), ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    suite::InstallFontSubstitutions();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    suite::QtPlatformParts parts(QStringLiteral("Quorrin"));
    suite::tools::MathtableForm window(parts.platform, [] {});
    window.show();
    for (int tick = 0; tick < 9; ++tick) window.Timer1_Timer();
    QApplication::processEvents();
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QWidget* surface = window.Surface();

    // What a learner types, keystroke by keystroke, and the values the buttons fill in.
    const QStringList typed = {QStringLiteral("-12.75"), QStringLiteral("170"), QStringLiteral("3.14159265358979"),
                               QStringLiteral("1E+21"), QStringLiteral("0.0001"), QStringLiteral("-709.79")};
    QStringList texts;
    for (const QString& number : typed)
        for (int n = 1; n <= number.size(); ++n) texts << number.left(n);

    std::vector<double> lines, painted;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        for (const QString& text : texts) {
            clock.start();
            box->setText(text);
            lines.push_back(clock.nsecsElapsed() / 1e6);
            clock.start();
            box->setText(text + QLatin1Char(' '));  // the same number, printed again
            surface->repaint();
            painted.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    const Figures a = Summarise(lines), b = Summarise(painted);
    std::printf("%d reprints of the table (platform %s)\n", static_cast<int>(lines.size()),
                qPrintable(QGuiApplication::platformName()));
    std::printf("lines only:      mean %.3f ms, median %.3f ms, worst %.3f ms\n", a.mean, a.median, a.worst);
    std::printf("lines and paint: mean %.3f ms, median %.3f ms, worst %.3f ms\n", b.mean, b.median, b.worst);
    return 0;
}
