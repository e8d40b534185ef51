#include "app/FontPrefetch.h"

#ifdef QUILLEX_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace quillex {

BackgroundJob PrefetchFonts() {
#ifdef QUILLEX_HAS_FONTCONFIG
    // The loaded configuration becomes the library's current one, which the toolkit's font
    // database then finds in place.
    return BackgroundJob([] { FcInit(); });
#else
    return BackgroundJob();
#endif
}

}  // namespace quillex
