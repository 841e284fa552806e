#pragma once
// fontconfig reads its configuration and font caches on a thread of its own while Qt
// connects to the display; the font database the first window needs is then built from
// what is already loaded. Make one before the QApplication and wait for it after.

#include <thread>

namespace suite {

class FontconfigWarmup {
public:
    FontconfigWarmup();
    ~FontconfigWarmup();
    FontconfigWarmup(const FontconfigWarmup&) = delete;
    FontconfigWarmup& operator=(const FontconfigWarmup&) = delete;

    // Returns once fontconfig is loaded, so Qt does not load it a second time.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace suite
