#include "shell/soundlibrary.h"

#include <QFileInfo>

namespace suite::shell {

namespace {
using Factory = PreloadingCuePlayer* (*)();
constexpr char kFactory[] = "brenvale_new_cue_player";
}  // namespace

QString SoundModuleLoad::BesideProgram()
{
    // QLibrary adds the platform's prefix and suffix (libbrenvalesound.so). The program's
    // folder is read from the kernel, as applicationDirPath does once the application exists.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + QStringLiteral("/brenvalesound");
}

SoundModuleLoad::SoundModuleLoad(const QString& modulePath) : module_(modulePath)
{
    loader_ = std::thread([this] { module_.load(); });
}

SoundModuleLoad::~SoundModuleLoad()
{
    if (loader_.joinable()) loader_.join();
}

std::unique_ptr<PreloadingCuePlayer> SoundModuleLoad::NewPlayer()
{
    if (loader_.joinable()) loader_.join();
    if (!module_.isLoaded()) return nullptr;
    const auto factory = reinterpret_cast<Factory>(module_.resolve(kFactory));
    return std::unique_ptr<PreloadingCuePlayer>(factory ? factory() : nullptr);
}

SoundLibrary::SoundLibrary(SoundModuleLoad& module) : module_(module) {}

SoundLibrary::~SoundLibrary() = default;

void SoundLibrary::Connect()
{
    if (connected_) return;
    connected_ = true;
    player_ = module_.NewPlayer();
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
