// The user guide: its sections, the troubleshooting entries for every message of the radio link,
// the options tables built from the option field table, and the Help buttons that open it.
#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "core/image/VersionList.h"
#include "core/lang/LinkTexts.h"
#include "core/lang/MultiWriteTexts.h"
#include "core/link/FieldReports.h"
#include "core/link/WriteVerify.h"
#include "core/options/OptionCaptions.h"
#include "help/GuideOptions.h"
#include "help/GuideText.h"
#include "help/HelpCaptions.h"
#include "help/HelpWindow.h"
#include "link/RadioTexts.h"
#include "link/SeveralRadiosTexts.h"
#include "platform/ToneSink.h"
#include "radio/RadioJobTexts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr auto kLangs = kLanguages;

QString section(const QString& html, const char* id) {
    const qsizetype start = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(id));
    if (start < 0)
        return {};
    return html.mid(start, html.indexOf(QStringLiteral("<h2>"), start) - start);
}

// The fixed parts of a message, with its %n places and the given variable texts cut out.
QStringList fixedPieces(QString text, const QStringList& variables = {}) {
    static const QRegularExpression place(QStringLiteral("%\\d"));
    text.replace(place, QStringLiteral("\x01"));
    for (const QString& v : variables)
        text.replace(v, QStringLiteral("\x01"));
    QStringList pieces;
    for (const QString& piece : text.split(u'\x01'))
        if (piece.trimmed().size() > 1)
            pieces << piece.trimmed();
    return pieces;
}

// Every message the link can put in front of the user, as texts with their places cut out.
QList<QStringList> linkMessages(Language lang) {
    QList<QStringList> messages;
    for (const LocalText* text :
         {&LinkTexts::checkConnection, &LinkTexts::modelWrong, &LinkTexts::readCompleted,
          &LinkTexts::writeCompleted, &LinkTexts::endUnconfirmed, &LinkTexts::cannotOpenPort,
          &VersionTexts::question, &VerifyTexts::verifyFailed, &SeveralRadiosTexts::noPorts,
          &MultiWriteTexts::noAnswer, &MultiWriteTexts::transferLost,
          &MultiWriteTexts::otherFirmware, &MultiWriteTexts::stopped, &MultiWriteTexts::summary,
          &RadioJobTexts::backupFailed, &RadioTexts::groupStopped, &RadioTexts::radiosWritten})
        messages << fixedPieces(text->in(lang));
    const ReadReplacement replaced{QStringLiteral("Mode"), 0, 1, 3, 9, 0};
    messages << QStringList{replacementReport({replaced}, lang).section(u'\n', 0, 0)};
    const EncodeRefusal refused{QStringLiteral("Mode"), 0, 1, 3, 9, 0, 4};
    messages << fixedPieces(refused.message(lang), {QStringLiteral("CB 组 A 信道 3 Mode"),
                                                    QStringLiteral("Mode (CB group A, channel 3)"),
                                                    QStringLiteral("9"), QStringLiteral("0..4")});
    return messages;
}

TEST(GuideTest, TroubleshootingExplainsEveryLinkMessage) {
    for (Language lang : kLangs) {
        const QString troubleshooting = section(guideSource(lang), "troubleshooting");
        ASSERT_FALSE(troubleshooting.isEmpty()) << settingOf(lang);
        for (const QStringList& pieces : linkMessages(lang)) {
            ASSERT_FALSE(pieces.isEmpty());
            for (const QString& piece : pieces)
                EXPECT_TRUE(troubleshooting.contains(piece))
                    << "language " << settingOf(lang) << ": " << pieces.join(u'…').toStdString();
        }
    }
}

TEST(GuideTest, BothLanguagesHaveTheSectionsTheWindowsAskFor) {
    QList<QStringList> ids;
    for (Language lang : kLangs) {
        QStringList langIds;
        for (const GuideSection& s : guideSections(guideSource(lang))) {
            EXPECT_FALSE(s.title.trimmed().isEmpty()) << s.id.toStdString();
            langIds << s.id;
        }
        ids << langIds;
    }
    EXPECT_EQ(ids[0], ids[1]);
    for (const char* id : {HelpCaptions::kMainWindow, HelpCaptions::kChannels,
                           HelpCaptions::kChannelList, HelpCaptions::kOptions, HelpCaptions::kDtmf,
                           HelpCaptions::kRogerBeep, "troubleshooting", "backups", "cli"})
        EXPECT_TRUE(ids[0].contains(QString::fromLatin1(id))) << id;
}

TEST(GuideTest, OptionsSectionHasEveryOptionOnceWithItsCaption) {
    for (Language lang : kLangs) {
        const QString options = section(guideHtml(lang, {}), HelpCaptions::kOptions);
        EXPECT_FALSE(options.contains(QStringLiteral("<!--options-->")));
        const QString tables = optionsGuideHtml(lang);
        for (const OptionInfo& info : allOptions())
            EXPECT_EQ(options.count(info.description.in(lang).toHtmlEscaped()), 1)
                << info.name << " in language " << settingOf(lang);
        for (const OptionFrame& frame : optionWindowFrames())
            for (const CaptionedOption& option : frame.options)
                EXPECT_TRUE(tables.contains(
                    QStringLiteral("<td>%1</td>").arg(optionCaption(option, lang).toHtmlEscaped())))
                    << optionInfo(option.id).name;
    }
}

TEST(GuideTest, PicturesTheFolderLacksAreLeftOutAndWideOnesShownSmaller) {
    test::TempDir dir;
    QDir().mkpath(dir.path("en"));
    QImage wide(1080, 100, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(dir.path("en/channels.png")));
    ASSERT_TRUE(wide.copy(0, 0, 100, 50).save(dir.path("en/dtmf.png")));
    QFile broken(dir.path("en/options.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.close();
    const QString html = guideHtml(Language::English, dir.path(""));
    EXPECT_TRUE(
        html.contains(QStringLiteral("<img src=\"en/channels.png\" width=\"540\" height=\"50\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("<img src=\"en/dtmf.png\">")));
    EXPECT_FALSE(html.contains(QStringLiteral("en/options.png")));
    EXPECT_FALSE(html.contains(QStringLiteral("en/main.png")));
    EXPECT_FALSE(guideHtml(Language::English, {}).contains(QStringLiteral("<img")));
}

class HelpButtonTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    HelpButtonTest() {
        registerChannelWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window, &sink);
        registerChannelSheetWindow(ctx, *window, prompter);
        window->show();
    }
    ~HelpButtonTest() override {
        if (QWidget* help = openHelpWindow())
            help->close();
    }

    NullToneSink sink;
    std::unique_ptr<MainWindow> window = makeWindow();
};

TEST_F(HelpButtonTest, EveryWindowsHelpButtonAndF1OpenItsSection) {
    const std::pair<ChildKind, const char*> expected[] = {
        {ChildKind::Channel, HelpCaptions::kChannels},
        {ChildKind::Options, HelpCaptions::kOptions},
        {ChildKind::RogerBeep, HelpCaptions::kRogerBeep},
        {ChildKind::Dtmf, HelpCaptions::kDtmf},
        {ChildKind::ChannelList, HelpCaptions::kChannelList},
    };
    // The history window needs a history database, which this harness does not open.
    static_assert(std::size(expected) + 1 == std::size_t(ChildKind::Count));
    auto* helpTopics = window->findChild<QAction*>(QStringLiteral("mnuHelpTopic"));
    ASSERT_NE(helpTopics, nullptr);
    for (Language lang : kLangs) {
        ctx.settings.language = lang;
        window->changeLanguage();
        int buttons = 0;
        for (const auto& [kind, id] : expected) {
            window->children().show(kind);
            QWidget* editor = window->children().editor(kind);
            ASSERT_NE(editor, nullptr);
            if (auto* help = editor->findChild<QPushButton*>(QStringLiteral("CommandHelp"))) {
                ++buttons;
                help->click();
                EXPECT_EQ(shownHelpSection(), QString::fromLatin1(id)) << "Help of " << id;
                openHelpWindow()->close();
            }
            helpTopics->trigger();
            EXPECT_EQ(shownHelpSection(), QString::fromLatin1(id)) << "F1 in " << id;
            openHelpWindow()->close();
        }
        EXPECT_EQ(buttons, 4); // the channel window has F1 only
        window->children().closeAll();
        helpTopics->trigger();
        EXPECT_EQ(shownHelpSection(), QString::fromLatin1(HelpCaptions::kMainWindow));
    }
}

TEST_F(HelpButtonTest, AnUnknownSectionOpensTheGuideWithNothingSelected) {
    showHelp(QStringLiteral("no-such-section"), Language::English, window.get());
    ASSERT_NE(openHelpWindow(), nullptr);
    EXPECT_EQ(shownHelpSection(), QString());
    showHelp(QStringLiteral("backups"), Language::English, window.get());
    EXPECT_EQ(shownHelpSection(), QStringLiteral("backups"));
}

TEST_F(HelpButtonTest, SearchStartsInTheShownSectionAndSaysWhenNothingMatches) {
    showHelp(QStringLiteral("troubleshooting"), Language::English, window.get());
    QWidget* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    auto* search = help->findChild<QLineEdit*>(QStringLiteral("HelpSearch"));
    auto* text = help->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    auto* notFound = help->findChild<QLabel*>(QStringLiteral("HelpNotFound"));
    const int sectionStart = text->toPlainText().indexOf(QStringLiteral("Troubleshooting"));
    // "dialout" is also in Getting started, which comes first.
    search->setText(QStringLiteral("dialout"));
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("dialout"));
    EXPECT_GT(text->textCursor().selectionStart(), sectionStart);
    EXPECT_TRUE(notFound->text().isEmpty());
    search->setText(QStringLiteral("no such words here"));
    EXPECT_EQ(notFound->text(), QStringLiteral("Not found"));
}

} // namespace
} // namespace r5k27
