#include "fakes.h"

namespace suite::testing {

MsgAnswer ScriptedDialogs::ShowMessageBox(QWidget* asker, const QString& text, MsgButtons buttons,
                                          MsgIcon icon, const QString& title)
{
    messages.push_back({text, buttons, icon, title, asker});
    if (onDialog) onDialog();
    if (!messageAnswers.empty()) {
        MsgAnswer a = messageAnswers.front();
        messageAnswers.pop_front();
        return a;
    }
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}

QString ScriptedDialogs::ShowInputBox(QWidget* asker, const QString& prompt, const QString& title,
                                      const QString& defaultText)
{
    inputs.push_back({prompt, title, defaultText, asker});
    if (onDialog) onDialog();
    if (inputReplies.empty()) return defaultText;
    QString reply = inputReplies.front();
    inputReplies.pop_front();
    return reply;
}

float ScriptedRandom::NextSingle()
{
    if (!values.empty()) {
        last = values.front();
        values.pop_front();
    }
    return last;
}

QString MemorySettings::Get(const QString& app, const QString& section, const QString& key,
                            const QString& defaultValue)
{
    return values.value(Key(app, section, key), defaultValue);
}

void MemorySettings::Save(const QString& app, const QString& section, const QString& key,
                          const QString& value)
{
    values.insert(Key(app, section, key), value);
}

}  // namespace suite::testing
