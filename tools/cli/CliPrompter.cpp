#include "CliPrompter.h"

#include "core/lang/LinkTexts.h"

namespace r5k27::cli {

Answer CliPrompter::ask(const QString& text, Buttons buttons, Icon icon) {
    if (beforeMessage_)
        beforeMessage_();
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextStream& stream = buttons == Buttons::Ok && icon == Icon::Information ? out_ : err_;
    stream << line << '\n';
    shown_.append(line);
    stream.flush();

    // A write to several radios puts the port before the question.
    const bool connectionQuestion =
        text.endsWith(LinkTexts::checkConnection.in(Language::English)) ||
        text.endsWith(LinkTexts::checkConnection.in(Language::Chinese));
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::RetryCancel:
        if (connectionQuestion && retriesLeft_ > 0) {
            --retriesLeft_;
            return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Retry;
        }
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

} // namespace r5k27::cli
