// The floor of start-up: a bare Qt Widgets window with one Chinese caption. It pays what
// every program of the suite pays too: Qt's own start-up and the CJK font fallback.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("数学练习"));
    window.setWindowTitle(QStringLiteral("数学练习"));
    window.show();
    return app.exec();
}
