#include "app/FontPrefetch.h"

#include <system_error>

#ifdef QUILLEX_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace quillex {

FontPrefetch::FontPrefetch() {
#ifdef QUILLEX_HAS_FONTCONFIG
    try {
        // The loaded configuration becomes the library's current one, which the toolkit's
        // font database then finds in place.
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a thread the toolkit loads the configuration itself, as it always can.
    }
#endif
}

FontPrefetch::~FontPrefetch() {
    Wait();
}

void FontPrefetch::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace quillex
