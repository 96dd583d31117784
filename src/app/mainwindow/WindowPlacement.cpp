#include "WindowPlacement.h"

#include "common/Twips.h"
#include "platform/UserSettingsStore.h"

#include <algorithm>

namespace r5k27 {

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kLeft = QStringLiteral("MainLeft");
const QString kTop = QStringLiteral("MainTop");
const QString kWidth = QStringLiteral("MainWidth");
const QString kHeight = QStringLiteral("MainHeight");
} // namespace

QRect WindowPlacement::inPixels() const {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

WindowPlacement WindowPlacement::fromPixels(const QRect& rect) {
    return {pixelsToTwips(rect.x()), pixelsToTwips(rect.y()), pixelsToTwips(rect.width()),
            pixelsToTwips(rect.height())};
}

QRect fittedToScreen(const QRect& wanted, const QRect& available) {
    const QSize size = wanted.size().boundedTo(available.size());
    const int left =
        std::clamp(wanted.left(), available.left(), available.right() + 1 - size.width());
    const int top =
        std::clamp(wanted.top(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

WindowPlacement readMainWindowPlacement(const UserSettingsStore& store) {
    const WindowPlacement defaults;
    WindowPlacement p{store.readInt(kSection, kLeft, defaults.left),
                      store.readInt(kSection, kTop, defaults.top),
                      store.readInt(kSection, kWidth, defaults.width),
                      store.readInt(kSection, kHeight, defaults.height)};
    // A damaged store must not give a window too small to grab.
    if (p.width < 1500 || p.height < 1500) {
        p.width = defaults.width;
        p.height = defaults.height;
    }
    return p;
}

void writeMainWindowPlacement(UserSettingsStore& store, const WindowPlacement& p) {
    store.writeInt(kSection, kLeft, p.left);
    store.writeInt(kSection, kTop, p.top);
    store.writeInt(kSection, kWidth, p.width);
    store.writeInt(kSection, kHeight, p.height);
    store.sync();
}

} // namespace r5k27
