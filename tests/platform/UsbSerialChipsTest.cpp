#include "platform/UsbSerialChips.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Every chip the udev rule hands to the user is one the port window can name, and the other way
// round, so the two lists cannot drift apart.
TEST(UsbSerialChips, NamedExactlyTheChipsOfTheInstalledUdevRule) {
    QFile rules(QStringLiteral(R5K27_UDEV_RULES));
    ASSERT_TRUE(rules.open(QIODevice::ReadOnly));
    static const QRegularExpression line(QStringLiteral(
        R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f|]+)")re"));
    int pairs = 0;
    QList<std::pair<int, int>> inRule;
    for (auto match = line.globalMatch(QString::fromUtf8(rules.readAll())); match.hasNext();) {
        const auto m = match.next();
        const int vendor = m.captured(1).toInt(nullptr, 16);
        for (const QString& product : m.captured(2).split(u'|')) {
            inRule.append({vendor, product.toInt(nullptr, 16)});
            EXPECT_FALSE(usbSerialChipName(vendor, product.toInt(nullptr, 16)).isEmpty())
                << m.captured(1).toStdString() << ':' << product.toStdString();
            ++pairs;
        }
    }
    EXPECT_GE(pairs, 4);
    // Chips the window names but the rule forgot would still be grabbed by the modem manager.
    for (int vendor : {0x0403, 0x067b, 0x1a86, 0x10c4}) {
        for (int product = 0; product <= 0xffff; ++product) {
            const bool named = !usbSerialChipName(vendor, product).isEmpty();
            EXPECT_TRUE(!named || inRule.contains(std::pair{vendor, product}))
                << vendor << ':' << product;
        }
    }
    EXPECT_EQ(usbSerialChipName(0x1234, 0x7523), "");
}

} // namespace
} // namespace r5k27
