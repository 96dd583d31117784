#pragma once

#include "core/common/Prompter.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace r5k27::cli {

// Every message box becomes a line: completion notes on standard output, everything else on
// standard error. The connection question is answered Retry (or OK) as many times as the user
// allowed and Cancel after that; every other question gets No or Cancel, so a command line
// never starts another program version.
class CliPrompter : public Prompter {
public:
    CliPrompter(QTextStream& out, QTextStream& err)
        : out_(out)
        , err_(err) {}

    void setRetries(int retries) { retriesLeft_ = retries; }
    // Called before a message is printed, so a progress line can be cleared first.
    void setBeforeMessage(std::function<void()> hook) { beforeMessage_ = std::move(hook); }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;

    // Every message shown so far, in order: a report names the last one as the outcome's.
    const QStringList& shown() const { return shown_; }

private:
    QStringList shown_;
    QTextStream& out_;
    QTextStream& err_;
    int retriesLeft_ = 0;
    std::function<void()> beforeMessage_;
};

} // namespace r5k27::cli
