#pragma once
// Brenvale's cue player on Qt Multimedia. It lives in a library of its own (suite_cues) so
// that only the program that plays sounds links the sound stack.

#include "platform.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace suite {

class QtCuePlayer final : public QObject, public CuePlayer {
public:
    explicit QtCuePlayer(QObject* parent = nullptr);
    ~QtCuePlayer() override;
    void PlayCue(const QString& relativePath) override;
    // Loads every cue under "sound" that is not loaded yet, so its first play starts at
    // once; a program calls it once its first window is on screen.
    void LoadAll();

private:
    QSoundEffect* Load(const QString& relativePath);
    QHash<QString, QSoundEffect*> loaded_;
};

}  // namespace suite
