#include "ImageCommands.h"

#include "Command.h"
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
    if (!openDataFile(s.files, args.files[0]))
        return kFileError;
    const auto image = encodedDocument(s);
    return image && saveImageFile(s, *image, args.files[1]) ? kDone : kFileError;
}

int decodeDocument(Session& s, const CliArgs& args) {
    if (!isReadableFile(s, args.files[0]))
        return kFileError;
    QFile file(args.files[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        s.fail(DataFileTexts::fileError.in(s.lang()));
        return kFileError;
    }
    // One byte more than an image is enough to tell that it is none.
    const QByteArray image = file.read(kRadioBufSize + 1);
    if (image.size() != kRadioBufSize) {
        const qint64 length = qMax<qint64>(file.size(), image.size());
        s.fail(kWrongImageLength.in(s.lang()).arg(length));
        return kFileError;
    }
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    decodeIntoDocument(s, image);
    return saveDataFile(s.files, args.files[1]) ? kDone : kFileError;
}

} // namespace r5k27::cli
