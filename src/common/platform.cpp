#include "platform.h"

#include "modalscope.h"

namespace suite {

MsgAnswer Dialogs::MessageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title)
{
    const ModalScope wait;
    return ShowMessageBox(text, buttons, icon, title);
}

QString Dialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const ModalScope wait;
    return ShowInputBox(prompt, title, defaultText);
}

QString NativeRelativePath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) path.chop(4);
    return path;
}

}  // namespace suite
