#include "VersionList.h"

#include "core/common/NumericText.h"

namespace r5k27 {
namespace {

// A count beyond this is garbage, not a list anyone installed; it must not make start-up crawl.
constexpr long long kMaxEntries = 1000;

QString cutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

std::optional<int> usableCount(const QString& text) {
    const auto n = parseInteger(text);
    if (!n || *n <= 0)
        return std::nullopt;
    return int(std::min(*n, kMaxEntries));
}

} // namespace

VersionList VersionList::builtIn() {
    VersionList list;
    list.firmList_ = {kDataVersionTag, kDataVersionTag};
    return list;
}

VersionList VersionList::load(const Lookup& read) {
    VersionList list = builtIn();
    const QString section = QStringLiteral("Version");
    if (const auto m = usableCount(read(section, QStringLiteral("FirmVersionCount")))) {
        QStringList pairs;
        for (int k = 0; k < *m; ++k) {
            const QString entry =
                cutAtNul(read(QStringLiteral("Firm"), QStringLiteral("Firm") + QString::number(k)));
            // Shorter entries cannot hold two four-character tags.
            if (entry.size() < 8)
                continue;
            pairs << entry.left(4) << entry.right(4);
        }
        if (!pairs.isEmpty())
            list.firmList_ = pairs;
    }
    // One slip in an installed list must not make the program refuse its own files.
    if (!list.isCompatiblePair(kDataVersionTag, kDataVersionTag))
        list.firmList_ << kDataVersionTag << kDataVersionTag;
    {}
    return list;
}

bool VersionList::isCompatiblePair(const QString& programTag, const QString& otherTag) const {
    for (qsizetype k = 0; k + 1 < firmList_.size(); k += 2)
        if (firmList_[k] == programTag && firmList_[k + 1] == otherTag)
            return true;
    return false;
}

QString VersionList::folderOfVersion(const QString& otherTag) const {
    for (qsizetype k = 0; k + 1 < firmList_.size(); k += 2)
        if (firmList_[k + 1] == otherTag)
            return firmList_[k];
    return {};
}

QString versionDisplayForm(const QString& tag) {
    return tag.left(2) + u'.' + tag.right(2);
}

QString incompatibleMessage(const QString& programTag, const QString& otherTag, VersionKind kind,
                            Language lang) {
    const LocalText& label =
        kind == VersionKind::Firmware ? VersionTexts::firmwareLabel : VersionTexts::dataFileLabel;
    return VersionTexts::question.in(lang) + QStringLiteral("\r\n") + label.in(lang) + u' ' +
           versionDisplayForm(otherTag) + QStringLiteral("\r\n") +
           VersionTexts::programLabel.in(lang) + u' ' + versionDisplayForm(programTag);
}

} // namespace r5k27
