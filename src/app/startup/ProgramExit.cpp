#include "ProgramExit.h"

#include <cstdio>
#include <cstdlib>

namespace r5k27 {

void endProgram(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace r5k27
