#pragma once

#include "core/common/Prompter.h"

#include <QList>
#include <QString>
#include <utility>

namespace r5k27 {

// Messages held back while a modal operation runs, shown one by one once it has ended.
class MessageQueue {
public:
    void post(const QString& text, Icon icon = Icon::Warning) { entries_.append({text, icon}); }
    bool isEmpty() const { return entries_.isEmpty(); }

    void showAll(Prompter& prompter) {
        // Taken first, so a message posted while one is shown waits for the next round.
        const auto pending = std::exchange(entries_, {});
        for (const auto& e : pending)
            prompter.ask(e.text, Buttons::Ok, e.icon);
    }

private:
    struct Entry {
        QString text;
        Icon icon;
    };
    QList<Entry> entries_;
};

} // namespace r5k27
