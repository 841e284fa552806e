#pragma once
// Brenvale's cues come from its sound module, loaded on a thread of its own while the first
// window is made: linking the sound stack into the program would make every start wait for
// its twenty-odd libraries before main even runs.

#include "common/qtcueplayer.h"

#include <QLibrary>
#include <QStringList>
#include <memory>
#include <thread>

namespace suite::shell {

class SoundLibrary final : public QObject, public PreloadingCuePlayer {
public:
    // The file name of the module beside the program; loading starts at once.
    static QString ModulePath();
    explicit SoundLibrary(const QString& modulePath);
    ~SoundLibrary() override;

    // Cues asked for before Connect wait for it, in order; afterwards they play at once.
    void PlayCue(const QString& relativePath) override;
    void LoadAll() override;
    // Waits for the module and hands it what was asked so far. A module that cannot be
    // loaded leaves the program silent, as a missing sound file does.
    void Connect();

private:
    QLibrary module_;
    std::thread loader_;
    bool connected_ = false;
    std::unique_ptr<PreloadingCuePlayer> player_;
    QStringList waiting_;
    bool loadAllWaiting_ = false;
};

}  // namespace suite::shell
