// The profile (INI) parser behind the settings file and the version list: any bytes.
#include "FuzzInput.h"
#include "core/image/VersionList.h"
#include "platform/ProfileText.h"

#include <cstdlib>

using namespace r5k27;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto lookup = [&content](const QString& section, const QString& key) {
        const auto value = ProfileText::lookup(content, section.toLatin1(), key.toLatin1());
        return value ? QString::fromLatin1(*value) : QString();
    };
    const VersionList versions = VersionList::load(lookup);
    // The program's own files are always accepted, whatever the list says.
    if (!versions.isCompatiblePair(kDataVersionTag, kDataVersionTag))
        std::abort();
    // The one-pass index agrees with lookup.
    const auto values = ProfileText::index(content);
    for (const char* key : {"CurrentLanguage", "comPort"}) {
        const auto value = ProfileText::lookup(content, "language", key);
        const auto found = values.constFind(ProfileText::indexKey("language", key));
        if (value != (found == values.cend() ? std::nullopt : std::optional(*found)))
            std::abort();
    }

    // A key just written reads back as written, and a second write of it changes nothing more.
    const QByteArray written = ProfileText::assign(content, "language", "comPort", "7");
    if (ProfileText::lookup(written, "language", "comPort") != QByteArray("7"))
        std::abort();
    if (ProfileText::assign(written, "language", "comPort", "7") != written)
        std::abort();
    return 0;
}
