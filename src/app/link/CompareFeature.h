#pragma once

namespace r5k27 {

struct AppContext;
struct Document;
class FeatureHost;
class Prompter;
class RadioCommands;
class CompareWindow;

// Program › Compare with Radio and File › Compare with File: the differences in a table, and
// the choice to write the document or take the other side's values as one undo step.
class CompareFeature {
public:
    CompareFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                   RadioCommands& commands);

    void compareWithRadio();
    void compareWithFile();
    // The window over other, not yet shown; what a test or the commands above show.
    CompareWindow* windowFor(const Document& other, bool radio);

private:
    void take(const Document& other, bool radio);

    AppContext& ctx_;
    FeatureHost& window_;
    Prompter& prompter_;
    RadioCommands& commands_;
};

} // namespace r5k27
