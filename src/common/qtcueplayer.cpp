#include "qtcueplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace suite {

// A cue loads when it is first played or when LoadAll runs, whichever comes first: loading
// all of them before the first window would hold that window back.
QtCuePlayer::QtCuePlayer(QObject* parent) : QObject(parent) {}

QtCuePlayer::~QtCuePlayer() = default;

void QtCuePlayer::LoadAll()
{
    const QDir sounds(QDir::current().absoluteFilePath(QStringLiteral("sound")));
    for (const QString& name : sounds.entryList({QStringLiteral("*.wav")}, QDir::Files))
        Load(QStringLiteral("sound\\") + name);
}

QSoundEffect* QtCuePlayer::Load(const QString& relativePath)
{
    const QString file = QDir::current().absoluteFilePath(NativeRelativePath(relativePath));
    if (QSoundEffect* effect = loaded_.value(file)) return effect;
    if (!QFileInfo::exists(file)) return nullptr;  // not cached: a cue put there later still plays
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(file));
    loaded_.insert(file, effect);
    return effect;
}

void QtCuePlayer::PlayCue(const QString& relativePath)
{
    if (QSoundEffect* effect = Load(relativePath)) {
        effect->stop();
        effect->play();
    }
}

}  // namespace suite
