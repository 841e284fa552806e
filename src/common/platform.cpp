#include "platform.h"

#include "modalscope.h"

namespace suite {

MsgAnswer Dialogs::MessageBox(QWidget* asker, const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title)
{
    const ModalScope wait(asker);
    return ShowMessageBox(asker, text, buttons, icon, title);
}

QString Dialogs::InputBox(QWidget* asker, const QString& prompt, const QString& title,
                          const QString& defaultText)
{
    const ModalScope wait(asker);
    return ShowInputBox(asker, prompt, title, defaultText);
}

QString NativeRelativePath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) path.chop(4);
    return path;
}

}  // namespace suite
