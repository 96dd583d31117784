#include "ChannelListFeature.h"

#include "ImportReport.h"
#include "core/common/CsvText.h"
#include "core/common/FileCommit.h"
#include "core/document/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "core/lang/ChannelListTexts.h"
#include "mainwindow/MainWindow.h"
#include "startup/AppContext.h"

#include <QFile>
#include <QFileInfo>

namespace r5k27 {

ChannelListFeature::ChannelListFeature(AppContext& ctx, MainWindow& window, FileDialogs& dialogs,
                                       Prompter& prompter)
    : ctx_(ctx)
    , window_(window)
    , dialogs_(dialogs)
    , prompter_(prompter) {
    window.addFileCommand(
        "mnuExportChannels", ChannelListTexts::exportChannels, [this] { exportChannels(); }, false);
    window.addFileCommand("mnuImportChannels", ChannelListTexts::importChannels,
                          [this] { importChannels(); });
}

Language ChannelListFeature::lang() const {
    return ctx_.settings.language;
}

void ChannelListFeature::exportChannels() {
    emit window_.commitPendingEdits();
    const QString preset = QFileInfo(ctx_.doc.docPath).completeBaseName() + QStringLiteral(".csv");
    const QString path = dialogs_.saveFileName(ChannelListTexts::csvFilter.in(lang()), preset,
                                               ChannelListTexts::exportTitle.in(lang()));
    if (path.isEmpty())
        return;
    const QByteArray csv = channelsToCsv(ctx_.doc.curImage, ctx_.doc.chTable);
    if (const auto failure = writeFileChecked(path, csv)) {
        prompter_.error(writeFailureMessage(DataFileTexts::fileError.in(lang()), *failure, lang()));
        return;
    }
    // One line per channel after the header; names and comments hold no line breaks.
    const auto channels = csv.count('\n') - 1;
    window_.showStatus(
        ChannelListTexts::exported.in(lang()).arg(channels).arg(QFileInfo(path).fileName()));
}

void ChannelListFeature::importChannels() {
    emit window_.commitPendingEdits();
    const QString path = dialogs_.openFileName(ChannelListTexts::csvFilter.in(lang()),
                                               ChannelListTexts::reportTitle.in(lang()));
    if (!path.isEmpty())
        importFrom(path);
}

void ChannelListFeature::importFrom(const QString& path) {
    QFile file(path);
    // Only a regular file: opening a FIFO would wait for a writer forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        prompter_.error(DataFileTexts::fileError.in(lang()));
        return;
    }
    const CsvImportResult result = ctx_.model.importChannels(file, ChannelListTexts::importStep);
    if (result.tooLarge) {
        prompter_.error(kCsvTooLarge.in(lang()));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    if (result.taken > 0)
        window_.showStatus(result.changed.isEmpty()
                               ? ChannelListTexts::imported.in(lang()).arg(result.taken).arg(name)
                               : ChannelListTexts::importedChanged.in(lang())
                                     .arg(result.taken)
                                     .arg(name)
                                     .arg(result.changedCount));
    if (!result.problems.isEmpty() || !result.changed.isEmpty())
        (new ImportReport(result, lang(), &window_))->open();
}

} // namespace r5k27
