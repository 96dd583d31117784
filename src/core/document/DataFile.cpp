#include "DataFile.h"

#include "ChannelFile.h"
#include "DataFileLayout.h"
#include "core/channels/BandIdentity.h"
#include "core/common/FileCommit.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace r5k27 {
namespace {

const LocalText kWrongLength{"Wrong data file length: %1 bytes (1344 expected).",
                             "数据文件长度错误：%1 字节（应为 1344 字节）。"};

// At most maxBytes of the file; nothing when it cannot be opened or read.
std::optional<QByteArray> readFilePrefix(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

// The channel records that image's counts name, read into a copy of base.
std::optional<ChTable> readChannelFile(const QString& dataPath, const MemoryImage& image,
                                       const ChTable& base) {
    const QString path = companionPath(dataPath);
    const auto records = usedRecordCount(image);
    if (path == dataPath || !records)
        return std::nullopt;
    const auto data = readFilePrefix(path, qint64(*records) * ChannelRec::kFileSize);
    ChTable table = base;
    if (!data || !deserializeChannelFile(*data, image, table))
        return std::nullopt;
    return table;
}

void commitRead(Document& doc, AppSettings& settings, const MemoryImage& image,
                const ChTable& table) {
    doc.fileImage = image;
    copyUsedRecords(image, table, doc.fileChTable);
    applyFileImage(doc, settings);
}

} // namespace

QString wrongLengthMessage(qint64 length, Language lang) {
    return kWrongLength.in(lang).arg(length);
}

void refreshIdentity(MemoryImage& image, AppSettings& settings) {
    settings.modelCodeText = settings.modelCodeText.trimmed();
    RadioInfoRec& info = image.radioInfo;
    info.modelCode.assignTerminated(settings.modelCodeText);
    info.modeFlag = std::int16_t(bandFlagOf(bandTextOfWorkMode(image.workMode)));
    info.modelNo = 248;
    info.modelCode2.assignTerminated(settings.modelCodeText);
}

void prepareForWrite(Document& doc, AppSettings& settings) {
    refreshIdentity(doc.curImage, settings);
    doc.curImage.verTag.assign(kDataVersionTag);
    doc.fileImage = doc.curImage;
    copyUsedRecords(doc.curImage, doc.chTable, doc.fileChTable);
}

void applyFileImage(Document& doc, AppSettings& settings) {
    doc.curImage = doc.fileImage;
    settings.dataVersion = cutAtNulTrimmed(doc.curImage.verTag.raw());
    settings.modelCodeText = cutAtNulTrimmed(doc.curImage.radioInfo.modelCode.raw());
    copyUsedRecords(doc.fileImage, doc.fileChTable, doc.chTable);
}

bool readPlainFile(Document& doc, AppSettings& settings, const QString& path) {
    const auto data = readFilePrefix(path, MemoryImage::kFileSize + 1);
    MemoryImage image;
    if (!data || !deserializeImage(*data, image))
        return false;
    const auto table = readChannelFile(path, image, doc.fileChTable);
    if (!table)
        return false;
    commitRead(doc, settings, image, *table);
    return true;
}

bool openDataFile(DataFileContext& ctx, const QString& path) {
    const Language lang = ctx.settings.language;
    const auto fail = [&](const QString& message, Icon icon) {
        ctx.prompter.ask(message, Buttons::Ok, icon);
        return false;
    };

    // A save cut short by a crash is finished or undone before anything is read.
    if (const auto failure =
            recoverFileSet(commitMarkerPath(path), {path, companionPath(path)}, ctx.fs))
        return fail(writeFailureMessage(DataFileTexts::fileError.in(lang), *failure, lang),
                    Icon::Error);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(DataFileTexts::fileError.in(lang), Icon::Error);
    const QByteArray head = file.read(4);
    const QString tag = cutAtNulTrimmed(decodeSingleByte(head.constData(), head.size()));
    if (!isWellFormedTag(tag))
        return fail(VersionTexts::badDataFileTag.in(lang), Icon::Warning);
    if (!ctx.versions.isCompatiblePair(kDataVersionTag, tag)) {
        const QString question =
            incompatibleMessage(kDataVersionTag, tag, VersionKind::DataFile, lang);
        if (ctx.prompter.ask(question, Buttons::YesNo, Icon::Question) == Answer::Yes) {
            if (ctx.startVersionProgram)
                ctx.startVersionProgram(tag);
            else
                ctx.prompter.ask(VersionTexts::noSuchVersion.in(lang), Buttons::Ok, Icon::Warning);
        }
        return false;
    }
    if (file.size() != MemoryImage::kFileSize)
        return fail(wrongLengthMessage(file.size(), lang), Icon::Warning);

    MemoryImage image;
    if (!file.seek(0) || !deserializeImage(file.read(MemoryImage::kFileSize), image))
        return fail(DataFileTexts::fileError.in(lang), Icon::Error);
    file.close();
    image.verTag.assign(kDataVersionTag);
    const auto table = readChannelFile(path, image, ctx.doc.fileChTable);
    if (!table)
        return fail(DataFileTexts::fileError.in(lang), Icon::Error);

    commitRead(ctx.doc, ctx.settings, image, *table);
    ctx.doc.docPath = path;
    ctx.doc.docUntitled = false;
    return true;
}

QString commitMarkerPath(const QString& dataPath) {
    return markerPathOf(dataPath);
}

bool saveDataFile(DataFileContext& ctx, const QString& path, const QList<FileOutput>& alsoWrite) {
    Document& doc = ctx.doc;
    const Language lang = ctx.settings.language;
    // The record as it will be saved; the document itself changes only once both files are.
    MemoryImage image = doc.curImage;
    AppSettings settings = ctx.settings;
    refreshIdentity(image, settings);
    image.verTag.assign(kDataVersionTag);

    const QString channelPath = companionPath(path);
    if (channelPath == path || !usedRecordCount(image)) {
        ctx.prompter.ask(DataFileTexts::fileError.in(lang), Buttons::Ok, Icon::Error);
        return false;
    }
    const QList<FileOutput> files{{channelPath, serializeChannelFile(image, doc.chTable)},
                                  {path, serializeImage(image)}};
    if (const auto failure = commitFileSet(commitMarkerPath(path), files, alsoWrite, ctx.fs)) {
        ctx.prompter.ask(writeFailureMessage(DataFileTexts::fileError.in(lang), *failure, lang),
                         Buttons::Ok, Icon::Error);
        return false;
    }
    prepareForWrite(doc, ctx.settings);
    doc.docPath = path;
    doc.docUntitled = false;
    return true;
}

} // namespace r5k27
