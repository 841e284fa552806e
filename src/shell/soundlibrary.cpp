#include "shell/soundlibrary.h"

#include <QCoreApplication>

namespace suite::shell {

namespace {
using Factory = PreloadingCuePlayer* (*)();
constexpr char kFactory[] = "brenvale_new_cue_player";
}  // namespace

QString SoundLibrary::ModulePath()
{
    // QLibrary adds the platform's prefix and suffix (libbrenvalesound.so).
    return QCoreApplication::applicationDirPath() + QStringLiteral("/brenvalesound");
}

SoundLibrary::SoundLibrary(const QString& modulePath) : module_(modulePath)
{
    loader_ = std::thread([this] { module_.load(); });
}

SoundLibrary::~SoundLibrary()
{
    if (loader_.joinable()) loader_.join();
    // The player's code lives in the module, which stays loaded.
    player_.reset();
}

void SoundLibrary::Connect()
{
    if (connected_) return;
    connected_ = true;
    loader_.join();
    if (module_.isLoaded()) {
        if (auto factory = reinterpret_cast<Factory>(module_.resolve(kFactory))) player_.reset(factory());
    }
    if (!player_) return;
    for (const QString& cue : waiting_) player_->PlayCue(cue);
    waiting_.clear();
    if (loadAllWaiting_) player_->LoadAll();
}

void SoundLibrary::PlayCue(const QString& relativePath)
{
    if (player_) {
        player_->PlayCue(relativePath);
    } else if (!connected_) {
        waiting_.push_back(relativePath);
    }
}

void SoundLibrary::LoadAll()
{
    if (player_) {
        player_->LoadAll();
    } else if (!connected_) {
        loadAllWaiting_ = true;
    }
}

}  // namespace suite::shell
