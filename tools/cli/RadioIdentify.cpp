#include "RadioIdentify.h"

#include "LinkRun.h"
#include "link/LinkTexts.h"
#include "link/LinkTypes.h"
#include "platform/RadioPortOpen.h"

namespace r5k27::cli {

using LinkFrames::ReplyKind;

RadioIdentify::RadioIdentify(Session& session)
    : session_(session)
    , timer_([this] { onTimeout(); }) {
    port_.setReceiveHandler([this](const QByteArray& bytes) { onReceived(bytes); });
}

std::optional<LinkFrames::RadioIdentity> RadioIdentify::run(const QString& portName,
                                                            const QString& tracePath) {
    if (!startTrace(session_, port_, tracePath))
        return std::nullopt;
    if (portName.isEmpty() || !port_.open(portName)) {
        const auto error =
            portName.isEmpty() ? QSerialPort::DeviceNotFoundError : port_.openError();
        session_.fail(portOpenFailureText(portName, error, session_.lang()));
        return std::nullopt;
    }
    resent_ = false;
    send(Step::ProgramSent);
    loop_.exec();
    if (!succeeded_)
        return std::nullopt;
    return identity_;
}

void RadioIdentify::send(Step step) {
    step_ = step;
    QByteArray request;
    int replyLen = LinkFrames::kAckReplyLen;
    switch (step) {
    case Step::ProgramSent:
        request = LinkFrames::programRequest();
        replyLen = LinkFrames::kHandshakeReplyLen;
        break;
    case Step::IdentifySent:
        request = LinkFrames::identifyRequest();
        replyLen = LinkFrames::kIdentityReplyLen;
        break;
    case Step::EndSent:
        request = LinkFrames::endRequest();
        break;
    }
    timer_.start(kReplyTimeoutMs);
    port_.setReplyLength(replyLen);
    port_.clearBuffers();
    port_.send(request);
}

void RadioIdentify::onReceived(const QByteArray& bytes) {
    const ReplyKind kind = LinkFrames::classifyReply(bytes, -kBlockLen, kBlockLen);
    // Anything but the awaited reply is dropped and the timer runs on.
    switch (step_) {
    case Step::ProgramSent:
        if (kind != ReplyKind::Handshake)
            return;
        timer_.stop();
        resent_ = false;
        send(Step::IdentifySent);
        return;
    case Step::IdentifySent:
        if (kind != ReplyKind::Identity)
            return;
        timer_.stop();
        identity_ = LinkFrames::parseIdentity(bytes);
        send(Step::EndSent);
        return;
    case Step::EndSent:
        if (kind == ReplyKind::Ack)
            finish(true);
        return;
    }
}

void RadioIdentify::onTimeout() {
    timer_.stop();
    if (step_ == Step::EndSent) {
        finish(true);
        return;
    }
    if (!resent_) {
        resent_ = true;
        send(step_);
        return;
    }
    const QString question = LinkTexts::checkConnection.in(session_.lang());
    if (session_.prompter.ask(question, Buttons::RetryCancel, Icon::Question) == Answer::Retry) {
        resent_ = false;
        send(Step::ProgramSent);
    } else {
        finish(false);
    }
}

void RadioIdentify::finish(bool success) {
    timer_.stop();
    port_.close();
    succeeded_ = success;
    loop_.quit();
}

} // namespace r5k27::cli
