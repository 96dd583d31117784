#include "FileCommandContext.h"

#include "startup/AppContext.h"

namespace r5k27 {

Language FileCommandContext::lang() const {
    return ctx.settings.language;
}

} // namespace r5k27
