// A sound module for the tests: it records what it was asked to play.
#include "common/qtcueplayer.h"

#include <QStringList>
#include <QtGlobal>

namespace {
QStringList played;

class RecordingPlayer final : public suite::PreloadingCuePlayer {
public:
    void PlayCue(const QString& relativePath) override { played.push_back(relativePath); }
    void LoadAll() override { played.push_back(QStringLiteral("<all>")); }
};
}  // namespace

extern "C" Q_DECL_EXPORT suite::PreloadingCuePlayer* brenvale_new_cue_player() { return new RecordingPlayer; }
extern "C" Q_DECL_EXPORT const QStringList* fake_played() { return &played; }
