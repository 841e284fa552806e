#include "fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace suite {

FontconfigWarmup::FontconfigWarmup() : thread_([] { FcInit(); }) {}

FontconfigWarmup::~FontconfigWarmup() { Wait(); }

void FontconfigWarmup::Wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace suite
