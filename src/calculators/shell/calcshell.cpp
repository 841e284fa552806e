#include "calcshell.h"

#include "common/fonts.h"
#include "common/fontwarmup.h"
#include "common/qtplatform.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace suite::calc {

CalculatorShell::CalculatorShell(Platform& platform, const QString& caption, bool withFileNew,
                                 QWidget* parent)
    : Form(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(caption);

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFileAction"));
    if (withFileNew) {
        QAction* mnuFileNew = AddMenuItem(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("新建(&N)"),
                                          QKeySequence(Qt::CTRL | Qt::Key_N));
        connect(mnuFileNew, &QAction::triggered, this, [this] { mnuFileNew_Click(); });
        QAction* bar = mnuFile->addSeparator();
        bar->setObjectName(QStringLiteral("mnuFileBar0"));
    }
    QAction* mnuFileExit = AddMenuItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("退出(&X)"));
    connect(mnuFileExit, &QAction::triggered, this, &CalculatorShell::mnuFileExit_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelpAction"));
    QAction* mnuHelpAbout = AddMenuItem(mnuHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("关于(&A) "));
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });

    AddDateTimeStatusBar();
}

void CalculatorShell::mnuFileExit_Click()
{
    // Same road as the close box, so the unload step runs first.
    close();
}

void CalculatorShell::mnuHelpAbout_Click()
{
    Tell(platform_.appTitle);
}

void CalculatorShell::Tell(const QString& text)
{
    platform_.dialogs.MessageBox(this, text, MsgButtons::Ok, MsgIcon::None);
}

namespace Module1 {
Form* mainForm = nullptr;

void StartMainWindow(const std::function<Form*()>& create)
{
    mainForm = create();
    ShowAsStarted(mainForm);
}
}  // namespace Module1

int RunCalculator(int& argc, char** argv, const QString& appTitle,
                  const std::function<Form*(Platform&)>& create)
{
    FontconfigWarmup fontconfig;
    QApplication app(argc, argv);
    fontconfig.Wait();
    QCoreApplication::setApplicationName(appTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    InstallFontSubstitutions();
    QtPlatformParts parts(appTitle);
    Module1::StartMainWindow([&] { return create(parts.platform); });
    const int code = app.exec();
    delete Module1::mainForm;
    return code;
}

}  // namespace suite::calc
