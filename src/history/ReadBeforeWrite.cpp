#include "ReadBeforeWrite.h"

namespace r5k27 {
namespace {

constexpr LocalText kNotKept{
    "The radio's present contents could not be kept in the radio history, so this write could "
    "not be undone.\r\nWrite anyway?",
    "无法将对讲机当前的内容保存到对讲机历史中，此次写入将无法撤销。\r\n仍要写入吗？"};

} // namespace

bool readThenWrite(const ReadBeforeWriteSteps& steps, HistoryLog& log, Prompter& prompter,
                   Language lang) {
    const std::optional<PriorContents> prior = steps.readRadio();
    if (!prior)
        return false;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const bool kept = log.record({.kind = OperationKind::ReadBeforeWrite,
                                  .port = steps.port,
                                  .document = steps.document},
                                 {.outcome = Outcome::Done,
                                  .model = prior->model,
                                  .firmware = prior->firmware,
                                  .image = prior->image},
                                 prior->started.isValid() ? prior->started : now,
                                 prior->ended.isValid() ? prior->ended : now)
                          .has_value();
    if (!kept && prompter.ask(kNotKept.in(lang), Buttons::YesNo, Icon::Warning) != Answer::Yes)
        return false;
    steps.write();
    return true;
}

} // namespace r5k27
