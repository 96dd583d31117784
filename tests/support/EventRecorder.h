#pragma once

#include "core/common/DocumentEvents.h"

#include <QList>
#include <QStringList>

namespace r5k27::test {

// Records every notification of a DocumentEvents as one line of text, in order.
class EventRecorder {
public:
    explicit EventRecorder(DocumentEvents& events) {
        QObject::connect(&events, &DocumentEvents::changed, [this](const DocumentChange& c) {
            static const char* const kinds[] = {"Whole", "WorkMode", "Channel", "ChannelSet",
                                                "Group", "Option",   "Dtmf",    "RogerBeep"};
            lines << QStringLiteral("changed %1 %2 %3 %4")
                         .arg(QLatin1String(kinds[int(c.kind)]))
                         .arg(c.mode)
                         .arg(c.group)
                         .arg(c.chNo);
        });
    }

    QStringList lines;
};

} // namespace r5k27::test
