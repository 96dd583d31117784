#include "InitialValues.h"

#include "DataFile.h"
#include "core/channels/BandIdentity.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/DefaultChannels.h"
#include "core/common/DocumentEvents.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionValues.h"

namespace r5k27 {
namespace {

// The option values, the group arrays and the RSSI table from their field tables; then the
// texts, which have no row.
void writeOptionDefaults(MemoryImage& image) {
    applyNewDocumentOptions(image);
    OptFeatRec& o = image.optFeat;
    for (const GroupField& field : groupFields())
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                field.at(image, mode, group) = std::int16_t(field.newValue);
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            o.groupName(mode, group).assignTerminated(QString(QChar(u'A' + (group - 1))));
    for (auto& code : o.dtmfCodes)
        code.assignTerminated(QString());
}

void setSteps(ToneSeq& seq, std::initializer_list<ToneStep> steps) {
    std::size_t k = 0;
    for (const ToneStep& step : steps)
        seq.steps[k++] = step;
    seq.repeatCount = 1;
    seq.interTime = 0;
}

void writeToneDefaults(RBToneRec& rb) {
    const ToneStep silence10{0, 10};
    const ToneStep beep210{210, 10};
    setSteps(rb.tone(1), {beep210, silence10, beep210, silence10, beep210, silence10, beep210});
    ToneSeq& two = rb.tone(2);
    for (std::size_t k = 0; k < two.steps.size(); ++k)
        two.steps[k] = k % 2 == 0 ? ToneStep{80, 4} : ToneStep{0, 4};
    two.repeatCount = 1;
    two.interTime = 0;
    const ToneStep high{170, 3};
    const ToneStep low{90, 3};
    setSteps(rb.tone(3), {high, low, high, low, high, low, high});
    setSteps(rb.tone(4), {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    const ToneStep up{150, 20};
    const ToneStep down{70, 20};
    setSteps(rb.tone(5), {up, down, up, down, up, down});
}

} // namespace

QString defaultFilePath(const QString& programFolder, const QString& bandText,
                        DefaultFileKind kind) {
    const QString name = kind == DefaultFileKind::New ? QStringLiteral("_ZT6666_New.dat")
                                                      : QStringLiteral("_ZT6666.dat");
    return programFolder + QStringLiteral("/Init/") + bandDigitOf(bandText) + name;
}

void writeBuiltInDefaults(Document& doc, AppSettings& settings, int workMode, const QDate& today) {
    MemoryImage& image = doc.curImage;
    image.verTag.assign(kDataVersionTag);
    image.workMode = std::int16_t(workMode);
    image.curGroup = {1, 1};
    image.groupWorkCh.fill(1);

    writeChannelDefaults(image, doc.chTable);
    writeOptionDefaults(image);

    RadioInfoRec& info = image.radioInfo;
    info.makeDate.assign(today.toString(QStringLiteral("yyyyMMdd")));
    info.softVer.assign(QStringLiteral("V2.00"));
    info.modelCode2.assignTerminated(settings.modelCodeText);
    info.modeFlag2 = std::int16_t(bandFlagOf(bandTextOfWorkMode(workMode)));
    info.modelLetter = 67;

    writeToneDefaults(image.rbTone);
}

void newDocumentAtStart(Document& doc, AppSettings& settings, const QString& programFolder,
                        const QDate& today) {
    doc.docUntitled = true;
    doc.docPath = kUntitledDocPath;
    // The default file is chosen by the band at start (HF), before the built-in CB values take
    // over the band.
    const QString newFile =
        defaultFilePath(programFolder, bandTextOfWorkMode(kStartWorkMode), DefaultFileKind::New);
    writeBuiltInDefaults(doc, settings, 0, today);
    readPlainFile(doc, settings, newFile);
    prepareForWrite(doc, settings);
}

bool loadDefaultFile(Document& doc, AppSettings& settings, const QString& programFolder,
                     DefaultFileKind kind) {
    const QString bandText = bandTextOfWorkMode(doc.curImage.workMode);
    return readPlainFile(doc, settings, defaultFilePath(programFolder, bandText, kind));
}

} // namespace r5k27
