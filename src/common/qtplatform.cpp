#include "qtplatform.h"

#include "inifile.h"
#include "safefile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace suite {

namespace {
constexpr char kStartStateVariable[] = "SUITE_START_STATE";
constexpr char kMinimized[] = "minimized";
}  // namespace

QWidget* DialogOwner(QWidget* asker)
{
    QWidget* window = asker ? asker->window() : nullptr;
    // A box owned by a hidden or minimised window would not show with it.
    if (!window || !window->isVisible() || window->isMinimized()) return nullptr;
    return window;
}

void KeepTitleInView(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // Title bars give their icon and each of three buttons about a line's height, with as
    // much again for padding and the frame.
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

MsgAnswer QtDialogs::ShowMessageBox(QWidget* asker, const QString& text, MsgButtons buttons,
                                    MsgIcon icon, const QString& title)
{
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case MsgIcon::None: qicon = QMessageBox::NoIcon; break;
    case MsgIcon::Information: qicon = QMessageBox::Information; break;
    case MsgIcon::Exclamation: qicon = QMessageBox::Warning; break;
    case MsgIcon::Critical: qicon = QMessageBox::Critical; break;
    case MsgIcon::Question: qicon = QMessageBox::Question; break;
    }
    QMessageBox box(qicon, title.isEmpty() ? appTitle_ : title, text,
                    buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    DialogOwner(asker));
    if (buttons == MsgButtons::YesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    } else {
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    KeepTitleInView(box);
    const int result = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString QtDialogs::ShowInputBox(QWidget* asker, const QString& prompt, const QString& title,
                                const QString& defaultText)
{
    QInputDialog dialog(DialogOwner(asker));
    dialog.setWindowTitle(title.isEmpty() ? appTitle_ : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.textValue();
}

QString QtLauncher::Find(const QString& relativePath)
{
    const QString native = NativeRelativePath(relativePath);
    // A bare name is found as the shell finds it, on the search path alone.
    if (!native.contains(QLatin1Char('/'))) return QStandardPaths::findExecutable(native);
    const QFileInfo info(QDir::current().absoluteFilePath(native));
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

QStringList IconicStartOptions(const QString& program)
{
    // The X toolkit's -iconic, which xterm and xcalc take; uxterm, lxterm and koi8rxterm are
    // xterm's wrapper scripts and hand their options on to it. The other desktop calculators
    // and terminals have no such option and open normal.
    static const char* const kIconic[] = {"xterm", "uxterm", "lxterm", "koi8rxterm", "xcalc"};
    // By the file a link finally leads to: x-terminal-emulator is whichever terminal the
    // system chose.
    const QFileInfo info(program);
    const QString real = info.canonicalFilePath().isEmpty() ? info.fileName()
                                                            : QFileInfo(info.canonicalFilePath()).fileName();
    for (const char* name : kIconic)
        if (real == QLatin1String(name)) return {QStringLiteral("-iconic")};
    return {};
}

bool QtLauncher::Start(const QString& relativePath, const QStringList& arguments, StartStyle style)
{
    const QString program = Find(relativePath);
    if (program.isEmpty()) return false;
    QProcess process;
    process.setProgram(program);
    // The suite's own programs learn the style from the environment below; an outside
    // program is asked in its own words, ahead of its arguments (xterm's -e ends its options).
    process.setArguments(style == StartStyle::MinimizedFocus ? IconicStartOptions(program) + arguments
                                                            : arguments);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QString::fromLatin1(kStartStateVariable));
    if (style == StartStyle::MinimizedFocus)
        env.insert(QString::fromLatin1(kStartStateVariable), QString::fromLatin1(kMinimized));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QDir::currentPath());
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

namespace {
// A few keys per program; anything far larger is not a settings file of ours.
constexpr qint64 kSettingsFileLimit = 1024 * 1024;
}  // namespace

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {}

QString QtSettingsStore::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString QtSettingsStore::FileName(const QString& app) const
{
    return folder_ + QStringLiteral("/mathsuite/") + app + QStringLiteral(".ini");
}

QString QtSettingsStore::Get(const QString& app, const QString& section, const QString& key,
                             const QString& defaultValue)
{
    const std::optional<QByteArray> contents = ReadRegularFile(FileName(app), kSettingsFileLimit);
    if (!contents) return defaultValue;
    return ini::Value(*contents, section + '/' + key).value_or(defaultValue);
}

void QtSettingsStore::Save(const QString& app, const QString& section, const QString& key,
                           const QString& value)
{
    const QString file = FileName(app);
    std::optional<QByteArray> contents = ReadRegularFile(file, kSettingsFileLimit + 1);
    if (!contents) {
        // Only a name with nothing behind it starts a new file: what stands there and cannot be
        // read (a pipe, a folder, a file closed to us) keeps its settings.
        if (QFileInfo::exists(file)) return;
        QDir().mkpath(QFileInfo(file).path());
        contents.emplace();
    }
    // Not a settings file of ours: rewriting its start would lose the rest.
    if (contents->size() > kSettingsFileLimit) return;
    ReplaceFile(file, ini::WithValue(*contents, section + '/' + key, value));
}

void QtProgramControl::EndProgram()
{
    if (QThread::currentThread()->loopLevel() > 0) {
        // Every window goes at once; the event loop returns without handling anything more.
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        QCoreApplication::exit(0);
        return;
    }
    // Not yet in the event loop (a program ending from its first window's load step).
    std::exit(0);
}

QtPlatformParts::QtPlatformParts(const QString& appTitle, CuePlayer* cuePlayer)
    : dialogs(appTitle),
      platform{appTitle, cuePlayer ? *cuePlayer : noCues, dialogs, random, launcher, settings, program}
{
}

bool StartedMinimized()
{
    static const bool minimized = [] {
        const bool asked = qgetenv(kStartStateVariable) == kMinimized;
        qunsetenv(kStartStateVariable);  // not handed on to programs this one starts
        return asked;
    }();
    return minimized;
}

namespace {
// Some window managers map a fixed-size window normally whatever its initial state asked.
// If that happens while the program starts, the window is minimised again, once; a restore
// later on is the learner's and stays.
class MinimizeWhenMapped final : public QObject {
public:
    explicit MinimizeWhenMapped(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
        QTimer::singleShot(1500, this, [this] {
            window_->removeEventFilter(this);
            deleteLater();
        });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::WindowStateChange) {
            if (!(window_->windowState() & Qt::WindowMinimized) && window_->isVisible()) {
                window_->removeEventFilter(this);
                deleteLater();
                QTimer::singleShot(0, window_, [w = window_] { w->showMinimized(); });
            }
        }
        return false;
    }

private:
    QWidget* window_;
};
}  // namespace

void ShowAsStarted(QWidget* window)
{
    if (StartedMinimized()) {
        // Asking for activation here would make an X11 window manager restore the window;
        // it takes the focus when the learner restores it from the taskbar.
        window->showMinimized();
        new MinimizeWhenMapped(window);
    } else {
        window->show();
    }
}

}  // namespace suite
