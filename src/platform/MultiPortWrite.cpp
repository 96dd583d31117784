#include "MultiPortWrite.h"

#include "RadioPortOpen.h"
#include "SerialLink.h"
#include "core/lang/LinkTexts.h"
#include "core/lang/MultiWriteTexts.h"
#include "core/link/LinkMessages.h"
#include "core/link/WriteVerify.h"

#include <QTimer>
#include <algorithm>
#include <optional>

namespace r5k27 {

namespace T = MultiWriteTexts;

// One cable: its engine, and the prompter its questions go through, which names the port.
class MultiPortWrite::Port : public LinkObserver, public Prompter {
public:
    Port(MultiPortWrite& owner, int index)
        : owner_(owner)
        , row_(index)
        , link_(owner.settings_, owner.versions_) {
        link_.engine.setObserver(this);
    }
    ~Port() override { link_.engine.setObserver(nullptr); }

    bool setTrace(const QString& path) { return path.isEmpty() || link_.port.setTraceFile(path); }

    void begin(const QByteArray& image) {
        image_ = image;
        if (!openPort())
            return;
        setState(PortState::Writing);
        link_.engine.startWrite(image_);
    }

    bool isRunning() const { return running_; }
    void stop() {
        if (link_.engine.isRunning() && link_.engine.mayStopNow())
            link_.engine.stop();
    }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override {
        return owner_.prompter_.ask(row().port + QStringLiteral(": ") + text, buttons, icon);
    }

    void progress(int percent) override {
        row().percent = percent;
        row().identity = link_.engine.status().identity;
        owner_.update(row_);
    }

    void decide(const LinkDecision& decision) override {
        lastQuestion_ = decision.question;
        firmware_ = decision.firmware;
        link_.engine.decide(askLinkQuestion(*this, decision, owner_.settings_));
    }

    void finished(const LinkOutcome& outcome) override {
        if (!outcome.identity.model.isEmpty())
            row().identity = outcome.identity;
        if (!outcome.success)
            return end(PortState::Failed, failureText(outcome));
        if (outcome.op == LinkOp::Write) {
            completion_ = completionMessage(outcome, lang());
            if (!owner_.verify_)
                return end(PortState::Written, completion_);
            // The engine is still unwinding this call; the read starts on the next turn.
            QTimer::singleShot(0, &link_.port, [this] { readBack(); });
            return;
        }
        const QStringList mismatches = writeMismatches(image_, outcome.image, lang());
        if (mismatches.isEmpty())
            end(PortState::Written, completion_);
        else
            end(PortState::Failed, verifyFailureText(mismatches, lang()));
    }

private:
    PortRow& row() { return owner_.rows_[row_]; }
    Language lang() const { return owner_.settings_.language; }

    bool openPort() {
        running_ = true;
        if (link_.port.open(row().port))
            return true;
        end(PortState::Failed, portOpenFailureText(row().port, link_.port.openError(), lang()));
        return false;
    }

    void readBack() {
        lastQuestion_.reset();
        if (!openPort())
            return;
        row().percent = 0;
        setState(PortState::Verifying);
        link_.engine.startRead();
    }

    QString failureText(const LinkOutcome& outcome) const {
        if (outcome.wrongModel)
            return LinkTexts::modelWrong.in(lang());
        if (!lastQuestion_)
            return T::stopped.in(lang());
        switch (*lastQuestion_) {
        case LinkQuestion::OtherFirmware:
            return T::otherFirmware.in(lang()).arg(firmware_);
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
    SerialLink link_;
    QByteArray image_;
    QString completion_;
    std::optional<LinkQuestion> lastQuestion_;
    QString firmware_;
    bool running_ = false;
};

MultiPortWrite::MultiPortWrite(const AppSettings& settings, const VersionList& versions,
                               Prompter& prompter)
    : settings_(settings)
    , versions_(versions)
    , prompter_(prompter) {}

MultiPortWrite::~MultiPortWrite() = default;

bool MultiPortWrite::start(const QStringList& ports, const QByteArray& image) {
    ports_.clear();
    rows_.clear();
    for (const QString& name : ports) {
        PortRow row;
        row.port = name;
        rows_.append(row);
        ports_.push_back(std::make_unique<Port>(*this, int(rows_.size()) - 1));
        if (!ports_.back()->setTrace(tracePath_)) {
            ports_.clear();
            rows_.clear();
            return false;
        }
    }
    // Every row exists before the first port can end and be counted, and a port that cannot
    // open does not end the whole write while the others have yet to start.
    starting_ = true;
    for (const auto& port : ports_)
        port->begin(image);
    starting_ = false;
    if (!isRunning() && allDone_)
        allDone_();
    return true;
}

void MultiPortWrite::stop() {
    for (const auto& port : ports_)
        port->stop();
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
