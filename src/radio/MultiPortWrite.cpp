#include "MultiPortWrite.h"

#include "LinkBackups.h"
#include "RadioJob.h"
#include "RadioJobTexts.h"
#include "core/lang/LinkTexts.h"
#include "core/lang/MultiWriteTexts.h"
#include "core/link/LinkMessages.h"

#include <algorithm>

namespace r5k27 {

namespace T = MultiWriteTexts;

// One cable: its job, and the prompter its questions go through, which names the port.
class MultiPortWrite::Port : public RadioJobObserver, public Prompter {
public:
    Port(MultiPortWrite& owner, int index)
        : owner_(owner)
        , row_(index)
        , job_(owner.settings_, owner.versions_, *this) {
        job_.setObserver(this);
        job_.setListener(owner.listener_);
        job_.setTellOpenFailure(false);
    }

    bool prepare(const Document& doc, const QString& tracePath) {
        const RadioJobRequest request{.kind = RadioJobKind::Write,
                                      .port = row().port,
                                      .tracePath = tracePath,
                                      .verify = owner_.verify_,
                                      .severalPorts = true,
                                      .readFirst = owner_.readFirst_};
        if (job_.prepare(request, doc))
            return true;
        // A port that does not open fails alone; a trace or a document that fails fails all.
        if (job_.failureText().isEmpty())
            return false;
        end(PortState::Failed, job_.failureText());
        return true;
    }

    void begin() {
        if (!running_)
            return;
        setState(PortState::Writing);
        job_.start();
    }

    bool isRunning() const { return running_; }
    void stop(bool now) {
        if (!job_.isRunning())
            return;
        if (now)
            job_.stopNow();
        else
            job_.requestStop();
    }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override {
        return owner_.prompter_.ask(row().port + QStringLiteral(": ") + text, buttons, icon);
    }

    void progress(ProgressPhase phase, int percent) override {
        row().percent = percent;
        row().identity = job_.link().engine.status().identity;
        row().state = portState(phase);
        owner_.update(row_);
    }

    void finished(const RadioJobResult& result) override {
        const LinkOutcome& outcome = result.outcome;
        if (!outcome.identity.model.isEmpty())
            row().identity = outcome.identity;
        if (!outcome.success)
            return end(PortState::Failed, failureText(result));
        if (!outcome.verifyFailures.isEmpty())
            return end(PortState::Failed, outcome.verifyFailures.first());
        end(PortState::Written, completionMessage(outcome, lang()));
    }

private:
    PortRow& row() { return owner_.rows_[row_]; }
    static PortState portState(ProgressPhase phase) {
        switch (phase) {
        case ProgressPhase::ReadingFirst:
            return PortState::Reading;
        case ProgressPhase::Verifying:
            return PortState::Verifying;
        case ProgressPhase::Transfer:
            break;
        }
        return PortState::Writing;
    }
    Language lang() const { return owner_.settings_.language; }

    QString failureText(const RadioJobResult& result) const {
        if (result.outcome.wrongModel)
            return LinkTexts::modelWrong.in(lang());
        if (!result.lastQuestion)
            return T::stopped.in(lang());
        switch (*result.lastQuestion) {
        case LinkQuestion::OtherFirmware:
            return T::otherFirmware.in(lang()).arg(result.firmware);
        case LinkQuestion::TransferLost:
            return T::transferLost.in(lang());
        case LinkQuestion::NoAnswer:
            break;
        }
        return T::noAnswer.in(lang());
    }

    void setState(PortState state) {
        row().state = state;
        owner_.update(row_);
    }

    void end(PortState state, const QString& message) {
        running_ = false;
        row().message = message;
        setState(state);
        owner_.portEnded();
    }

    MultiPortWrite& owner_;
    const int row_;
    RadioJob job_;
    bool running_ = true;
};

MultiPortWrite::MultiPortWrite(const AppSettings& settings, const VersionList& versions,
                               Prompter& prompter)
    : settings_(settings)
    , versions_(versions)
    , prompter_(prompter) {}

MultiPortWrite::~MultiPortWrite() = default;

bool MultiPortWrite::start(const QStringList& ports, const Document& doc) {
    ports_.clear();
    rows_.clear();
    stopRequested_ = false;
    for (const QString& name : ports) {
        PortRow row;
        row.port = name;
        rows_.append(row);
    }
    // Every row exists before the first port can end and be counted, and a port that cannot
    // open does not end the whole write while the others have yet to start.
    starting_ = true;
    for (int i = 0; i < rows_.size(); ++i) {
        ports_.push_back(std::make_unique<Port>(*this, i));
        if (!ports_.back()->prepare(doc, tracePath_)) {
            starting_ = false;
            ports_.clear();
            rows_.clear();
            return false;
        }
    }
    if (backups_ && !backups_->saveBeforeWrite(doc, settings_))
        prompter_.warn(RadioJobTexts::backupFailed.in(settings_.language).arg(backups_->folder()));
    for (const auto& port : ports_)
        port->begin();
    starting_ = false;
    if (!isRunning() && allDone_)
        allDone_();
    return true;
}

void MultiPortWrite::stop() {
    stopRequested_ = true;
    for (const auto& port : ports_)
        port->stop(false);
}

void MultiPortWrite::stopNow() {
    stopRequested_ = true;
    for (const auto& port : ports_)
        port->stop(true);
}

bool MultiPortWrite::isRunning() const {
    return std::any_of(ports_.begin(), ports_.end(),
                       [](const auto& port) { return port->isRunning(); });
}

int MultiPortWrite::writtenCount() const {
    return int(std::count_if(rows_.begin(), rows_.end(),
                             [](const PortRow& row) { return row.state == PortState::Written; }));
}

void MultiPortWrite::update(int row) {
    if (rowChanged_)
        rowChanged_(row);
}

void MultiPortWrite::portEnded() {
    if (!starting_ && !isRunning() && allDone_)
        allDone_();
}

QString portStateText(PortState state, Language lang) {
    switch (state) {
    case PortState::Waiting:
        return T::waiting.in(lang);
    case PortState::Reading:
        return T::readingFirst.in(lang);
    case PortState::Writing:
        return T::writing.in(lang);
    case PortState::Verifying:
        return T::verifying.in(lang);
    case PortState::Written:
        return T::written.in(lang);
    case PortState::Failed:
        break;
    }
    return T::failed.in(lang);
}

QStringList portOutcomeLines(const MultiPortWrite& write, Language lang) {
    QStringList lines;
    for (const PortRow& row : write.rows()) {
        QString message = row.message;
        message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        lines << row.port + QStringLiteral(": ") + portStateText(row.state, lang) +
                     QStringLiteral(": ") + message;
    }
    lines << T::summary.in(lang).arg(write.writtenCount()).arg(write.rows().size());
    return lines;
}

} // namespace r5k27
