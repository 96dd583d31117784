#pragma once

#include "common/DocumentEvents.h"

#include <QList>
#include <QStringList>

namespace r5k27::test {

// Records every notification of a DocumentEvents as one line of text, in order.
class EventRecorder {
public:
    explicit EventRecorder(DocumentEvents& events) {
        QObject::connect(&events, &DocumentEvents::groupChecked, [this](int m, int g) {
            lines << QStringLiteral("groupChecked %1 %2").arg(m).arg(g);
        });
        QObject::connect(&events, &DocumentEvents::channelRowChanged, [this](int m, int g, int r) {
            lines << QStringLiteral("channelRowChanged %1 %2 %3").arg(m).arg(g).arg(r);
        });
        QObject::connect(&events, &DocumentEvents::dtmfReferencesChanged,
                         [this] { lines << QStringLiteral("dtmfReferencesChanged"); });
        QObject::connect(&events, &DocumentEvents::rogerReferencesChanged,
                         [this] { lines << QStringLiteral("rogerReferencesChanged"); });
        QObject::connect(&events, &DocumentEvents::modesNormalized,
                         [this] { lines << QStringLiteral("modesNormalized"); });
    }

    QStringList lines;
};

} // namespace r5k27::test
