// The channel card of a full document (920 channels) as a PDF: building the page text and
// laying it out on A4 pages.
#include "BenchSupport.h"
#include "core/document/InitialValues.h"
#include "print/ChannelCard.h"

#include <QGuiApplication>
#include <cstdio>

using namespace r5k27;
using bench::fillEveryGroup;
using bench::reportTimings;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    fillEveryGroup(doc);
    const QDate date(2026, 1, 1);
    const QList<CardPage> pages = channelCardPages(doc, settings, Language::English, date);
    std::printf("card: %lld pages, PDF %lld bytes\n", static_cast<long long>(pages.size()),
                static_cast<long long>(
                    channelCardPdf(pages, Language::English, QPageSize(QPageSize::A4)).size()));
    reportTimings("card text", 50, [&] {
        return !channelCardPages(doc, settings, Language::English, date).isEmpty();
    });
    reportTimings("PDF (A4, full document)", 10, [&] {
        return !channelCardPdf(channelCardPages(doc, settings, Language::English, date),
                               Language::English, QPageSize(QPageSize::A4))
                    .isEmpty();
    });
    return 0;
}
