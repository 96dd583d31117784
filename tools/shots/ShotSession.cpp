#include "ShotSession.h"

#include "EditorWindows.h"
#include "core/channels/ChannelTable.h"
#include "core/common/Prompter.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "core/signalling/DtmfReferences.h"
#include "history/HistoryLog.h"
#include "link/SeveralRadiosWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/NoFileServices.h"
#include "platform/UserSettingsStore.h"
#include "radiohistory/HistoryWindow.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QMdiSubWindow>

namespace r5k27::shots {

namespace {

constexpr ShotInfo kShots[] = {
    {Shot::Main, "main.png"},
    {Shot::Channels, "channels.png"},
    {Shot::Options, "options.png"},
    {Shot::Dtmf, "dtmf.png"},
    {Shot::RogerBeep, "roger-beep.png"},
    {Shot::SeveralRadios, "several-radios.png"},
    {Shot::RadioHistory, "radio-history.png"},
};

struct QuietPrompter : Prompter {
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Cancel; }
};

// A car radio of a small shop: the defaults, a few channels of its own and two autodial codes.
void fillSample(AppContext& ctx) {
    writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 15));
    for (int chNo = 8; chNo <= 12; ++chNo)
        addChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, chNo},
                   QStringLiteral("27.%1").arg((chNo * 10 + 5) * 10, 4, 10, QChar(u'0')));
    storeDtmfCode(ctx.doc.curImage, 1, QStringLiteral("123A"));
    storeDtmfCode(ctx.doc.curImage, 2, QStringLiteral("*55#"));
    ctx.doc.fileImage = ctx.doc.curImage;
}

QList<SerialPortEntry> samplePorts() {
    return {{QStringLiteral("ttyUSB0"),
             QStringLiteral("/dev/ttyUSB0"),
             0,
             QStringLiteral("USB Serial"),
             {},
             {}},
            {QStringLiteral("ttyUSB1"),
             QStringLiteral("/dev/ttyUSB1"),
             1,
             QStringLiteral("USB Serial"),
             {},
             {}}};
}

ChildKind childOf(Shot shot) {
    switch (shot) {
    case Shot::Options:
        return ChildKind::Options;
    case Shot::Dtmf:
        return ChildKind::Dtmf;
    case Shot::RogerBeep:
        return ChildKind::RogerBeep;
    case Shot::Main:
    case Shot::Channels:
    case Shot::SeveralRadios:
    case Shot::RadioHistory:
        break;
    }
    return ChildKind::Channel;
}

// A morning at the shop: the taxi radio read, the fleet written to three radios (the third
// unplugged too early), a verify that found a difference.
void fillHistory(HistoryLog& log, const AppContext& ctx) {
    QByteArray image = prepareRadioBuf();
    encodeImage(ctx.doc.curImage, ctx.doc.chTable, image);
    QDateTime at(QDate(2026, 1, 15), QTime(9, 12));
    const auto add = [&](OperationStart start, OperationEnd end, int seconds) {
        start.port = start.port.isEmpty() ? QStringLiteral("/dev/ttyUSB0") : start.port;
        start.cableProduct = QStringLiteral("USB Serial");
        end.model = QStringLiteral("ZT6666");
        end.firmware = QStringLiteral("V101");
        log.record(start, end, at, at.addSecs(seconds));
        at = at.addSecs(seconds + 95);
    };
    using K = OperationKind;
    add({.kind = K::Read, .document = QStringLiteral("new.dat")}, {.image = image}, 21);
    for (int radio = 1; radio <= 3; ++radio)
        add({.kind = K::GroupWrite, .radioNumber = radio, .document = QStringLiteral("fleet.dat")},
            {.outcome = radio == 3 ? Outcome::Failed : Outcome::Done,
             .message = radio == 3 ? QStringLiteral("Check Connection.") : QString(),
             .image = image},
            18);
    add({.kind = K::ReadBeforeWrite,
         .port = QStringLiteral("/dev/ttyUSB1"),
         .document = QStringLiteral("taxi.dat")},
        {.image = image}, 20);
    add({.kind = K::Write,
         .port = QStringLiteral("/dev/ttyUSB1"),
         .document = QStringLiteral("taxi.dat")},
        {.image = image}, 19);
    add({.kind = K::Verify,
         .port = QStringLiteral("/dev/ttyUSB1"),
         .document = QStringLiteral("taxi.dat")},
        {.outcome = Outcome::VerifyMismatch,
         .message = QStringLiteral("CB A3 Rx frequency: 27.0250 / 27.0350"),
         .image = image},
        20);
}

} // namespace

std::span<const ShotInfo> allShots() {
    return kShots;
}

struct ShotSession::Parts {
    explicit Parts(const QString& scratch)
        : userSettings(UserSettingsStore::inFile(scratch + QStringLiteral("/user.ini"))) {
        ctx.paths = InstallPaths::forProgramFolder(scratch + QStringLiteral("/R5K27/V200"), u'/');
        initCaptionTables(ctx.captions);
        fillSample(ctx);
        window = std::make_unique<MainWindow>(
            ctx, MainWindowServices{store, dialogs, prompter, userSettings});
        registerChannelWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window);
        historyDb = std::make_unique<HistoryDatabase>(scratch + QStringLiteral("/history.sqlite"));
        HistoryLog log(*historyDb);
        fillHistory(log, ctx);
    }

    QuietPrompter prompter;
    NoDocumentStore store;
    NoFileDialogs dialogs;
    UserSettingsStore userSettings;
    AppContext ctx;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SeveralRadiosWindow> several;
    std::unique_ptr<HistoryDatabase> historyDb;
    std::unique_ptr<HistoryWindow> history;
};

ShotSession::ShotSession(const QString& scratchFolder)
    : parts_(std::make_unique<Parts>(scratchFolder)) {}

ShotSession::~ShotSession() = default;

QWidget* ShotSession::open(Shot shot, Language lang) {
    Parts& p = *parts_;
    p.several.reset();
    p.history.reset();
    if (p.ctx.settings.language != lang) {
        p.ctx.settings.language = lang;
        p.window->changeLanguage();
    }
    MainWindow& main = *p.window;
    main.resize(1024, 640);
    main.show();
    main.children().closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QWidget* shown = nullptr;
    if (shot == Shot::SeveralRadios) {
        p.several = std::make_unique<SeveralRadiosWindow>(p.ctx.settings, p.ctx.versions,
                                                          p.prompter, p.ctx.doc, samplePorts());
        p.several->tick(QStringLiteral("/dev/ttyUSB0"));
        p.several->tick(QStringLiteral("/dev/ttyUSB1"));
        p.several->show();
        shown = p.several.get();
    } else if (shot == Shot::RadioHistory) {
        p.history = std::make_unique<HistoryWindow>(*p.historyDb, lang, p.dialogs, p.prompter,
                                                    HistoryEntryActions{});
        p.history->resize(900, 330);
        p.history->show();
        shown = p.history.get();
    } else {
        QMdiSubWindow* sub = main.children().show(childOf(shot));
        shown = shot == Shot::Main ? static_cast<QWidget*>(&main) : sub;
    }
    // Twice: a layout made while the first events run can post more.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return shown;
}

} // namespace r5k27::shots
