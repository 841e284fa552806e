#pragma once
// Test doubles of the platform layer: they record what the windows asked and answer from a
// script. No real dialog opens, no sound plays, no process starts, no user settings change.

#include "common/platform.h"
#include "common/random.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace suite::testing {

class RecordingCues final : public CuePlayer {
public:
    void PlayCue(const QString& relativePath) override { played.push_back(relativePath); }
    QStringList played;
};

struct AskedMessage {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
    QWidget* asker;  // the window asking, as passed
};
struct AskedInput {
    QString prompt;
    QString title;
    QString defaultText;
    QWidget* asker;
};

// Answers prompts from `inputReplies` in order (a std::nullopt-like empty queue answers as
// the learner pressing OK on the default text) and message boxes from `messageAnswers`
// (empty queue: Ok for OK boxes, No for Yes/No boxes).
// They run behind the same hold of the asking window as the real dialogs (see Dialogs).
class ScriptedDialogs final : public Dialogs {
public:
    // Queue a reply; Cancel() queues a cancelled prompt.
    void Reply(const QString& text) { inputReplies.push_back(text); }
    void Cancel() { inputReplies.push_back(QString()); }
    void Answer(MsgAnswer answer) { messageAnswers.push_back(answer); }

    std::deque<QString> inputReplies;
    std::deque<MsgAnswer> messageAnswers;
    std::vector<AskedMessage> messages;
    std::vector<AskedInput> inputs;
    // Called after each dialog is recorded, before it answers; lets a test act "during" it.
    std::function<void()> onDialog;

private:
    MsgAnswer ShowMessageBox(QWidget* asker, const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title) override;
    QString ShowInputBox(QWidget* asker, const QString& prompt, const QString& title,
                         const QString& defaultText) override;
};

// Draws from a script of single-precision values; past the script it repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    float NextSingle() override;
    void ReseedFromClock() override { ++reseeds; }
    // Script the value r such that DrawNumber(n) gives k for n >= 1: r = (k - 1 + 0.5) / n.
    void QueueDraw(int k, int n) { values.push_back(static_cast<float>((k - 0.5) / n)); }
    std::deque<float> values;
    float last = 0.0f;
    int reseeds = 0;
};

struct LaunchRequest {
    QString path;
    QStringList arguments;
    StartStyle style;
};
// Finds the programs listed in `present` (in this platform's form, "partmathtools/triangle",
// "xterm") and answers with that same form; records every start.
class RecordingLauncher final : public Launcher {
public:
    QString Find(const QString& relativePath) override
    {
        const QString native = NativeRelativePath(relativePath);
        return present.contains(native) ? native : QString();
    }
    bool Start(const QString& relativePath, const QStringList& arguments, StartStyle style) override
    {
        requests.push_back({relativePath, arguments, style});
        if (onStart) onStart();
        return succeed;
    }
    QStringList present;
    std::vector<LaunchRequest> requests;
    bool succeed = true;
    // Called after each start is recorded; lets a test log it among the dialogs.
    std::function<void()> onStart;
};

class MemorySettings final : public SettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void Save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    static QString Key(const QString& app, const QString& section, const QString& key)
    {
        return app + '/' + section + '/' + key;
    }
    QMap<QString, QString> values;
};

class RecordingProgramControl final : public ProgramControl {
public:
    void EndProgram() override { ++endRequests; }
    int endRequests = 0;
};

// All fakes together, with a Platform over them.
struct FakePlatform {
    explicit FakePlatform(const QString& appTitle = QStringLiteral("Quorrin"))
        : platform{appTitle, cues, dialogs, random, launcher, settings, program}
    {
    }
    RecordingCues cues;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    RecordingLauncher launcher;
    MemorySettings settings;
    RecordingProgramControl program;
    Platform platform;
};

}  // namespace suite::testing
