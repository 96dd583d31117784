#include "WindowPlacement.h"

#include "common/Twips.h"
#include "platform/UserSettingsStore.h"

namespace r5k27 {

QRect WindowPlacement::inPixels() const {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

WindowPlacement WindowPlacement::fromPixels(const QRect& rect) {
    return {pixelsToTwips(rect.x()), pixelsToTwips(rect.y()), pixelsToTwips(rect.width()),
            pixelsToTwips(rect.height())};
}

WindowPlacement readMainWindowPlacement(const UserSettingsStore& store) {
    const WindowPlacement defaults;
    WindowPlacement p{store.readInt(Settings::mainLeft), store.readInt(Settings::mainTop),
                      store.readInt(Settings::mainWidth), store.readInt(Settings::mainHeight)};
    // A damaged store must not give a window too small to grab.
    if (p.width < 1500 || p.height < 1500) {
        p.width = defaults.width;
        p.height = defaults.height;
    }
    return p;
}

void writeMainWindowPlacement(UserSettingsStore& store, const WindowPlacement& p) {
    store.writeInt(Settings::mainLeft, p.left);
    store.writeInt(Settings::mainTop, p.top);
    store.writeInt(Settings::mainWidth, p.width);
    store.writeInt(Settings::mainHeight, p.height);
    store.sync();
}

} // namespace r5k27
