#include "ModelInformation.h"

#include "core/lang/ShellCaptions.h"

namespace r5k27 {

QStringList handledVersionTags(const VersionList& versions) {
    QStringList tags;
    const QStringList& pairs = versions.firmList();
    for (qsizetype k = 0; k + 1 < pairs.size(); k += 2)
        if (pairs[k] == kDataVersionTag && !tags.contains(pairs[k + 1]))
            tags << pairs[k + 1];
    return tags;
}

QString modelInformationText(const AppSettings& settings, const VersionList& versions) {
    const Language lang = settings.language;
    QStringList shown;
    for (const QString& tag : handledVersionTags(versions))
        shown << versionDisplayForm(tag);
    const QString line = QStringLiteral("%1: %2\n");
    return line.arg(ShellCaptions::modelType.in(lang), settings.modelName) +
           line.arg(ShellCaptions::modelCode.in(lang), settings.modelCodeText) +
           line.arg(ShellCaptions::frequency.in(lang),
                    QStringLiteral("CB %1, HF %2").arg(kBandTextCB, kBandTextHF)) +
           line.arg(ShellCaptions::dataVersion.in(lang), versionDisplayForm(kDataVersionTag)) +
           QStringLiteral("%1: %2").arg(ShellCaptions::handledVersions.in(lang),
                                        shown.join(QStringLiteral(", ")));
}

} // namespace r5k27
