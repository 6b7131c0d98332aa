#include "catalogue/start/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace veloxcd {

// Font configuration may be loaded by two threads at once: each builds one,
// and the first to finish becomes the configuration.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
    thread_.join();
}

} // namespace veloxcd
