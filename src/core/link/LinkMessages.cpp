#include "LinkMessages.h"

#include "core/image/VersionList.h"
#include "core/lang/LinkTexts.h"

namespace r5k27 {

bool askLinkQuestion(Prompter& prompter, const LinkDecision& decision,
                     const AppSettings& settings) {
    const Language lang = settings.language;
    switch (decision.question) {
    case LinkQuestion::NoAnswer:
        return prompter.ask(LinkTexts::checkConnection.in(lang), Buttons::RetryCancel,
                            Icon::Question) == Answer::Retry;
    case LinkQuestion::TransferLost:
        return prompter.ask(LinkTexts::checkConnection.in(lang), Buttons::RetryCancel,
                            Icon::Question) == Answer::Retry;
    case LinkQuestion::OtherFirmware:
        return prompter.ask(incompatibleMessage(settings.dataVersion, decision.firmware,
                                                VersionKind::Firmware, lang),
                            Buttons::YesNo, Icon::Question) == Answer::Yes;
    }
    return false;
}

QStringList outcomeNotices(const LinkOutcome& outcome, Language lang) {
    if (outcome.wrongModel)
        return {LinkTexts::modelWrong.in(lang)};
    if (outcome.partlyWritten)
        return {LinkTexts::partlyWritten.in(lang)};
    return outcome.verifyFailures;
}

QString completionMessage(const LinkOutcome& outcome, Language lang, const QString& extraLine) {
    if (!outcome.success || !movesMemory(outcome.op))
        return {};
    // A single radio that read back wrong was not written as asked; its notice says so.
    if (!outcome.groupWrite && !outcome.verifyFailures.isEmpty())
        return {};
    const bool read = outcome.op == LinkOp::Read;
    QStringList lines{(read ? LinkTexts::readCompleted : LinkTexts::writeCompleted).in(lang)};
    if (!extraLine.isEmpty())
        lines << extraLine;
    // A radio that took every block but may still be in programming mode.
    if (!read && outcome.endUnconfirmed)
        lines << LinkTexts::endUnconfirmed.in(lang);
    return lines.join(QStringLiteral("\r\n"));
}

void tellOutcome(Prompter& prompter, const LinkOutcome& outcome, Language lang) {
    for (const QString& notice : outcomeNotices(outcome, lang))
        prompter.ask(notice, Buttons::Ok, Icon::Warning);
    if (const QString done = completionMessage(outcome, lang); !done.isEmpty())
        prompter.ask(done, Buttons::Ok, Icon::Information);
}

} // namespace r5k27
