#include "ImageCommands.h"

#include "FileRoles.h"
#include "core/document/InitialValues.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"

#include <QFile>

namespace r5k27::cli {
namespace {

constexpr LocalText kWrongImageLength{"Wrong image length: %1 bytes (16384 expected).",
                                      "映像长度错误：%1 字节（应为 16384）。"};

} // namespace

std::optional<QByteArray> encodedDocument(Session& s) {
    QByteArray image = prepareRadioBuf();
    if (const auto refusal = encodeImage(s.doc.curImage, s.doc.chTable, image)) {
        s.fail(refusal->message(s.lang()));
        return std::nullopt;
    }
    return image;
}

bool saveImageFile(Session& s, const QByteArray& image, const QString& path) {
    const auto failure = writeFileChecked(path, image);
    if (failure)
        s.fail(writeFailureMessage(DataFileTexts::fileError.in(s.lang()), *failure, s.lang()));
    return !failure;
}

void decodeIntoDocument(Session& s, const QByteArray& image) {
    const DecodeResult decoded = decodeImage(image, s.doc.curImage, s.doc.chTable);
    if (!decoded.replaced.isEmpty())
        s.prompter.warn(replacementReport(decoded.replaced, s.lang()));
}

int encodeDocument(Session& s, const CliArgs& args) {
    if (args.files.size() != 2 || !args.options.isEmpty())
        return -1;
    if (const int status = openDocumentFor(
            s, FileRoles().readsDocument(args.files[0]).writes(args.files[1]), args.files[0]))
        return status;
    const auto image = encodedDocument(s);
    return image && saveImageFile(s, *image, args.files[1]) ? 0 : 1;
}

int decodeDocument(Session& s, const CliArgs& args) {
    if (args.files.size() != 2 || !args.options.isEmpty())
        return -1;
    if (!outputsAreSeparate(s, FileRoles().reads(args.files[0]).writesDocument(args.files[1])))
        return kFilesRefused;
    if (!isReadableFile(s, args.files[0]))
        return 1;
    QFile file(args.files[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        s.fail(DataFileTexts::fileError.in(s.lang()));
        return 1;
    }
    // One byte more than an image is enough to tell that it is none.
    const QByteArray image = file.read(kRadioBufSize + 1);
    if (image.size() != kRadioBufSize) {
        const qint64 length = qMax<qint64>(file.size(), image.size());
        s.fail(kWrongImageLength.in(s.lang()).arg(length));
        return 1;
    }
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    decodeIntoDocument(s, image);
    return saveDataFile(s.files, args.files[1]) ? 0 : 1;
}

} // namespace r5k27::cli
