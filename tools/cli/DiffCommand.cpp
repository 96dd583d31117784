#include "DiffCommand.h"

#include "ImageCommands.h"
#include "LinkCommands.h"
#include "LinkRun.h"
#include "core/document/InitialValues.h"
#include "core/link/RadioDiff.h"

namespace r5k27::cli {
namespace {

constexpr int kNotCompared = 2;
const QString kPort = QStringLiteral("--port");
constexpr LocalText kOneFileWithPort{"with --port, expects one data file",
                                     "使用 --port 时只需一个数据文件"};
constexpr LocalText kTwoFiles{"expects two data files, or one with --port",
                              "需要两个数据文件，或一个数据文件加 --port"};

// The document the radio holds, made as a read makes it; nullopt when the read failed.
std::optional<Document> radioDocument(Session& s, const CliArgs& args) {
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    LinkRun run(s);
    run.setQuietCompletion(true);
    const auto read = run.run({.kind = RadioJobKind::CompareRead,
                               .port = args.value(kPort),
                               .tracePath = args.value(QStringLiteral("--trace"))});
    if (!read || !read->outcome.success)
        return std::nullopt;
    takeReadDocument(s, *read);
    return s.doc;
}

} // namespace

int diffDocuments(Session& s, const CliArgs& args) {
    const bool withRadio = args.has(kPort);
    if (args.files.size() != (withRadio ? 1 : 2))
        return s.wrongArguments((withRadio ? kOneFileWithPort : kTwoFiles).in(s.lang()));
    if (!args.options.isEmpty() && !linkOptionsFit(s, args, {}))
        return -1;
    if (!openDataFile(s.files, args.files[0]))
        return kNotCompared;
    const Document left = s.doc;
    std::optional<Document> right;
    if (withRadio)
        right = radioDocument(s, args);
    else if (openDataFile(s.files, args.files[1]))
        right = s.doc;
    if (!right)
        return kNotCompared;
    // In the radio's terms either way: what a write of each would leave in a radio.
    const auto differences =
        radioDifferences(left.curImage, left.chTable, right->curImage, right->chTable, s.lang());
    s.report.differences = differences;
    for (const FieldDifference& difference : differences)
        s.out << difference.line() << '\n';
    return differences.isEmpty() ? 0 : 1;
}

} // namespace r5k27::cli
