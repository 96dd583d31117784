#include "HistoryFeature.h"

#include "BackupImport.h"
#include "common/EditorRegistration.h"
#include "core/link/MemoryMap.h"
#include "link/CompareWindow.h"
#include "link/RadioLinkFeature.h"
#include "platform/ProfileFile.h"
#include "startup/AppContext.h"

#include <QAction>
#include <QFileInfo>

namespace r5k27 {
namespace {
constexpr LocalText kReadFirst{"&Read the Radio Before Writing", "写入前先读取对讲机(&R)"};
constexpr LocalText kReadFirstInGroups{"Read &Each Radio Before Group Writing",
                                       "成批写入前先读取每台对讲机(&E)"};
} // namespace

HistoryFeature::HistoryFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                               RadioLinkFeature& radio, HistoryFeatureOptions options)
    : ctx_(ctx)
    , window_(window)
    , prompter_(prompter)
    , radio_(radio)
    , db_(std::move(options.databasePath))
    , log_(db_, {.maxOperations = ctx.settings.historyKeepOperations,
                 .maxBytes = qint64(ctx.settings.historyKeepMegabytes) << 20}) {
    // The stored memory goes back byte for byte: decoding it into a document and encoding that
    // again could change what the radio held.
    writeImage_ = [this](const QByteArray& image, const HistoryRow& row) {
        radio_.commands().writeImage(image, QFileInfo(row.document).fileName());
    };
    registerEditor<HistoryWindow>(window, ChildKind::History, [this] { return makeWindow(); });
    addSettingItem("mnuReadBeforeWriting", kReadFirst, Settings::readBeforeWriting,
                   ctx.settings.readBeforeWriting);
    addSettingItem("mnuReadBeforeGroupWriting", kReadFirstInGroups,
                   Settings::readBeforeGroupWriting, ctx.settings.readBeforeGroupWriting);

    if (db_.open())
        importBackupSets(log_, LinkBackups(std::move(options.backupFolder)), ctx.settings);
    showNotices();
}

HistoryWindow* HistoryFeature::makeWindow() {
    HistoryEntryActions actions{
        .open = [this](const QByteArray& image, const HistoryRow& row) { openEntry(image, row); },
        .compare = [this](const QByteArray& image, const HistoryRow&) { compareEntry(image); },
        .write = [this](const QByteArray& image,
                        const HistoryRow& row) { writeImage_(image, row); }};
    db_.open();
    showNotices();
    return new HistoryWindow(db_, ctx_.settings.language, window_.dialogs(), prompter_,
                             std::move(actions));
}

bool HistoryFeature::openEntry(const QByteArray& image, const HistoryRow& row) {
    Document& doc = ctx_.doc;
    // Decoded aside, so nothing of the open document changes unless all of it can.
    MemoryImage decodedImage = doc.curImage;
    ChTable table = doc.chTable;
    if (!decodeImage(image, decodedImage, table) || !window_.mayReplaceDocument())
        return false;
    doc.curImage = decodedImage;
    doc.chTable = table;
    const QString name = QFileInfo(row.document).fileName();
    doc.docPath = name.isEmpty() ? kUntitledDocPath : name;
    doc.docUntitled = true;
    window_.startShowData();
    return true;
}

void HistoryFeature::compareEntry(const QByteArray& image) {
    window_.commitEditsInProgress();
    // Decoded onto the document, so values an image does not hold compare equal.
    Document entry = ctx_.doc;
    if (!decodeImage(image, entry.curImage, entry.chTable))
        return;
    CompareWindow* w = radio_.compare().windowFor(entry, true);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->open();
}

void HistoryFeature::showNotices() {
    for (const LocalString& notice : db_.takeNotices())
        prompter_.warn(notice.in(ctx_.settings.language));
}

void HistoryFeature::addSettingItem(const char* name, const LocalText& text, const Setting& setting,
                                    bool& value) {
    QAction* item = window_.addMenuCommand(MenuItem::Set, name, text, [] {});
    item->setCheckable(true);
    item->setChecked(value);
    // Triggering has already flipped the tick.
    QObject::connect(item, &QAction::triggered, item, [this, &setting, &value](bool on) {
        value = on;
        if (!ctx_.settingsFile.isEmpty())
            ProfileFile(ctx_.settingsFile)
                .write(setting, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

} // namespace r5k27
