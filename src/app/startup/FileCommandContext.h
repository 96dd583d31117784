#pragma once

#include "core/lang/Language.h"

namespace r5k27 {

struct AppContext;
class FeatureHost;
class FileDialogs;
class Prompter;

// What a command of the File menu that reads or writes other files (channel lists, print, PDF)
// works with.
struct FileCommandContext {
    AppContext& ctx;
    FeatureHost& window;
    FileDialogs& dialogs;
    Prompter& prompter;

    Language lang() const;
};

} // namespace r5k27
