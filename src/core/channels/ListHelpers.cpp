#include "ListHelpers.h"

namespace r5k27 {

int selectListIndex(const QStringList& list, int index) {
    if (list.isEmpty())
        return -1;
    return index >= 0 && index < list.size() ? index : 0;
}

int selectListText(const QStringList& list, const QString& text) {
    if (list.isEmpty())
        return -1;
    const qsizetype found = list.indexOf(text);
    return found < 0 ? 0 : int(found);
}

QString listTextAt(const QStringList& list, int index) {
    const int shown = selectListIndex(list, index);
    return shown < 0 ? QString() : list.at(shown);
}

QString listTextMatching(const QStringList& list, const QString& text) {
    const int shown = selectListText(list, text);
    return shown < 0 ? QString() : list.at(shown);
}

} // namespace r5k27
