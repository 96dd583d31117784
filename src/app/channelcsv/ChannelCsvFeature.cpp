#include "ChannelCsvFeature.h"

#include "ImportReport.h"
#include "channelcsv/ChannelCsvTexts.h"
#include "common/FeatureHost.h"
#include "core/common/CsvText.h"
#include "core/document/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"
#include "startup/AppContext.h"

#include <QFile>
#include <QFileInfo>

namespace r5k27 {

ChannelCsvFeature::ChannelCsvFeature(AppContext& ctx, FeatureHost& window, FileDialogs& dialogs,
                                     Prompter& prompter)
    : app_{ctx, window, dialogs, prompter} {
    window.addFileCommand(
        "mnuExportChannels", ChannelCsvTexts::exportChannels, [this] { exportChannels(); }, false);
    window.addFileCommand("mnuImportChannels", ChannelCsvTexts::importChannels,
                          [this] { importChannels(); });
}

void ChannelCsvFeature::exportChannels() {
    app_.window.commitEditsInProgress();
    const QString preset =
        QFileInfo(app_.ctx.doc.docPath).completeBaseName() + QStringLiteral(".csv");
    const QString path = app_.dialogs.saveFileName(ChannelCsvTexts::csvFilter.in(lang()), preset,
                                                   ChannelCsvTexts::exportTitle.in(lang()));
    if (path.isEmpty())
        return;
    const QByteArray csv = channelsToCsv(app_.ctx.doc.curImage, app_.ctx.doc.chTable);
    if (const auto failure = writeFileChecked(path, csv)) {
        app_.prompter.error(
            writeFailureMessage(DataFileTexts::fileError.in(lang()), *failure, lang()));
        return;
    }
    // One line per channel after the header; names and comments hold no line breaks.
    const auto channels = csv.count('\n') - 1;
    app_.window.showStatus(
        ChannelCsvTexts::exported.in(lang()).arg(channels).arg(QFileInfo(path).fileName()));
}

void ChannelCsvFeature::importChannels() {
    app_.window.commitEditsInProgress();
    const QString path = app_.dialogs.openFileName(ChannelCsvTexts::csvFilter.in(lang()),
                                                   ChannelCsvTexts::reportTitle.in(lang()));
    if (!path.isEmpty())
        importFrom(path);
}

void ChannelCsvFeature::importFrom(const QString& path) {
    QFile file(path);
    // Only a regular file: opening a FIFO would wait for a writer forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        app_.prompter.error(DataFileTexts::fileError.in(lang()));
        return;
    }
    const CsvImportResult result = app_.ctx.model.importChannels(file, ChannelCsvTexts::importStep);
    if (result.tooLarge) {
        app_.prompter.error(kCsvTooLarge.in(lang()));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    if (result.taken > 0)
        app_.window.showStatus(
            result.changed.isEmpty()
                ? ChannelCsvTexts::imported.in(lang()).arg(result.taken).arg(name)
                : ChannelCsvTexts::importedChanged.in(lang())
                      .arg(result.taken)
                      .arg(name)
                      .arg(result.changedCount));
    if (!result.problems.isEmpty() || !result.changed.isEmpty())
        (new ImportReport(result, lang(), app_.window.widget()))->open();
}

} // namespace r5k27
