#include "RadioHarness.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "link/GroupProgressWindow.h"
#include "mainwindow/ChildWindows.h"
#include "support/ShownTexts.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

const QString kReadConfirm = "Read data from radio.\r\nDo you wish continue?";
const QString kWriteConfirm = "Write data to radio.\r\nDo you wish continue?";
const QString kReadDone = "Read Data Completed.";
const QString kWriteDone = "Write Data Completed.";
const QString kCheckConnection = "Check Connection. Retry or Cancel?";
const QString kModelWrong = "Model type is wrong.";
const QString kCannotOpen = "Cannot Open Communication Port.";
constexpr int kWrittenBytes = 0x3F40;

class RadioFlowTest : public ::testing::Test, protected test::RadioHarness {
protected:
    RadioFlowTest() {
        for (ChildKind kind : {ChildKind::Channel, ChildKind::Options})
            window->registerChildWindow(kind, [] { return new QWidget; });
        window->children().closeAll();
        window->showChild(ChildKind::Options);
        ctx.doc.docPath = dir.path("mine.dat");
        ctx.doc.docUntitled = false;
        before = ctx.doc;
    }

    // The document the scripted radio holds: the built-in one of the other band.
    Document radioDocument() const {
        Document doc;
        AppSettings settings;
        writeBuiltInDefaults(doc, settings, 0, QDate(2023, 2, 3));
        return doc;
    }

    void expectDocumentUntouched() {
        EXPECT_EQ(serializeImage(ctx.doc.curImage), serializeImage(before.curImage));
        EXPECT_TRUE(ctx.doc.chTable == before.chTable);
        EXPECT_EQ(ctx.doc.docPath, before.docPath);
        EXPECT_FALSE(ctx.doc.docUntitled);
        EXPECT_NE(window->children().openWindow(ChildKind::Options), nullptr);
        EXPECT_EQ(window->children().openWindow(ChildKind::Channel), nullptr);
        EXPECT_TRUE(feature->backups().sets().isEmpty());
    }

    Document before;
};

TEST_F(RadioFlowTest, ReadReplacesDocumentAndWindows) {
    const QByteArray image = radioImageOf(radioDocument());
    test::SimRadioProcess sim({"--image", dir.write("radio.img", image)});
    ctx.settings.comPortName = sim.device();

    radio().read();

    EXPECT_EQ(prompter.texts(), QStringList({kReadConfirm, kReadDone}));
    EXPECT_EQ(spy.progressUp, QList<bool>({false, false}));
    EXPECT_EQ(ctx.doc.docPath, "new.dat");
    EXPECT_TRUE(ctx.doc.docUntitled);
    EXPECT_EQ(ctx.doc.curImage.workMode, 0);
    EXPECT_EQ(window->children().openWindow(ChildKind::Options), nullptr);
    EXPECT_NE(window->children().openWindow(ChildKind::Channel), nullptr);
    EXPECT_FALSE(radio().link().port.isOpen());

    // All of the radio went into the document: it encodes back to what the radio sent.
    QByteArray again = prepareRadioBuf();
    ASSERT_FALSE(encodeImage(ctx.doc.curImage, ctx.doc.chTable, again));
    EXPECT_EQ(again.left(kWrittenBytes), image.left(kWrittenBytes));

    // The radio's own bytes are kept, with the document read from them.
    const QStringList sets = feature->backups().sets();
    ASSERT_EQ(sets.size(), 1);
    QFile raw(dir.path("backups/" + sets[0] + ".img"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), image);
}

// A radio with erased battery words: the values kept instead are named just before the
// completion message, and the document read can be written back at once.
TEST_F(RadioFlowTest, ReadNamesReplacedValuesAndTheDocumentCanBeWrittenBack) {
    QByteArray image = radioImageOf(radioDocument());
    image.replace(0x3F00, 2, QByteArray(2, char(0xFF)));
    test::SimRadioProcess sim({"--image", dir.write("radio.img", image)});
    ctx.settings.comPortName = sim.device();

    radio().read();

    EXPECT_EQ(prompter.texts(),
              QStringList({kReadConfirm,
                           "Values the radio held outside their range were replaced:\n"
                           "BattMax: read 16736, now 170",
                           kReadDone}));
    EXPECT_EQ(ctx.doc.curImage.optFeat.battMax, 170);
    QByteArray again = prepareRadioBuf();
    EXPECT_FALSE(encodeImage(ctx.doc.curImage, ctx.doc.chTable, again));
}

// Cancelled, unanswered or refused: the port closes and the document stays as it was.
TEST_F(RadioFlowTest, ReadThatEndsEarlyKeepsEverything) {
    struct Case {
        QStringList args;
        QList<Answer> answers;
        QStringList texts;
        QList<bool> progressUp;
    };
    for (const Case& c :
         {Case{{}, {Answer::Cancel}, {kReadConfirm}, {false}},
          // The question comes while the progress window is up.
          Case{{"--fault", "silent"},
               {Answer::Ok, Answer::Cancel},
               {kReadConfirm, kCheckConnection},
               {false, true}},
          // The model is told after the progress window closed.
          Case{{"--model", "ZT9999"}, {}, {kReadConfirm, kModelWrong}, {false, false}}}) {
        prompter.shown.clear();
        spy.progressUp.clear();
        test::SimRadioProcess sim(c.args);
        ctx.settings.comPortName = sim.device();
        prompter.answers = c.answers;
        radio().read();
        EXPECT_EQ(prompter.texts(), c.texts);
        EXPECT_EQ(spy.progressUp, c.progressUp);
        EXPECT_FALSE(radio().link().port.isOpen());
        EXPECT_FALSE(radio().isBusy());
        expectDocumentUntouched();
    }
}

TEST_F(RadioFlowTest, MissingPortIsReportedAndNothingElseHappens) {
    ctx.settings.comPortName = dir.path("no-such-port");
    radio().read();
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith(kCannotOpen));
    expectDocumentUntouched();
}

TEST_F(RadioFlowTest, WriteCommitsPendingEditsAfterTheCommandReturns) {
    test::SimRadioProcess sim({"--save", dir.path("radio.img")});
    ctx.settings.comPortName = sim.device();
    // The edit an open grid still holds in its editor.
    const FixedText<8> edited = ctx.doc.chTable.at({1, 1, 2}).rxFreq;
    ASSERT_NE(ctx.doc.chTable.at({1, 1, 1}).rxFreq, edited);
    int commits = 0;
    QObject::connect(window.get(), &MainWindow::commitPendingEdits, [&] {
        ++commits;
        ctx.doc.chTable.at({1, 1, 1}).rxFreq = edited;
    });

    radio().write();
    EXPECT_EQ(commits, 1);
    EXPECT_TRUE(prompter.texts().isEmpty()); // TimerWrite has not fired yet
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));

    EXPECT_EQ(prompter.texts(), QStringList({kWriteConfirm, kWriteDone}));
    QFile saved(dir.path("radio.img"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // The radio holds the document with the committed edit, which the old one lacked.
    const QByteArray written = saved.readAll().left(kWrittenBytes);
    EXPECT_EQ(written, radioImageOf(ctx.doc).left(kWrittenBytes));
    EXPECT_NE(written, radioImageOf(before).left(kWrittenBytes));
    // A write leaves the document as it was, and a copy of what was sent is kept.
    EXPECT_EQ(ctx.doc.docPath, before.docPath);
    const QStringList sets = feature->backups().sets();
    ASSERT_EQ(sets.size(), 1);
    EXPECT_TRUE(sets[0].endsWith("-write"));
    Document backup;
    AppSettings settings;
    ASSERT_TRUE(readPlainFile(backup, settings, dir.path("backups/" + sets[0] + ".dat")));
    EXPECT_EQ(radioImageOf(backup).left(kWrittenBytes), written);
}

TEST_F(RadioFlowTest, ClosingTheProgressWindowMidWriteFinishesTheRadio) {
    // About 2 s of blocks at this rate: long enough to close the window in the middle.
    test::SimRadioProcess sim({"--save", dir.path("radio.img"), "--pace", "115200"});
    ctx.settings.comPortName = sim.device();
    bool closedMidWrite = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* w = radio().progressWindow();
        if (!closedMidWrite && w &&
            radio().link().engine.status().stage == LinkStage::WritingBlocks) {
            closedMidWrite = true;
            w->close();
        }
    });
    poll.start(100);

    radio().write();
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }, 20000));
    EXPECT_TRUE(closedMidWrite);
    EXPECT_EQ(prompter.texts(), QStringList({kWriteConfirm, kWriteDone}));
    QFile saved(dir.path("radio.img"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().left(kWrittenBytes), radioImageOf(ctx.doc).left(kWrittenBytes));
}

TEST_F(RadioFlowTest, ClosingTheProgressWindowMidReadEndsTheRadiosProgrammingMode) {
    // The radio saves its memory whenever it gets the end request.
    test::SimRadioProcess sim({"--save", dir.path("ended.img"), "--pace", "115200"});
    ctx.settings.comPortName = sim.device();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* w = radio().progressWindow();
        if (w && radio().link().engine.status().curAddr >= 0x400)
            w->close();
    });
    poll.start(50);

    radio().read();
    EXPECT_EQ(prompter.texts(), QStringList({kReadConfirm}));
    EXPECT_FALSE(radio().link().port.isOpen());
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(dir.path("ended.img")); }, 3000));
    expectDocumentUntouched();
}

TEST_F(RadioFlowTest, ValueOutOfRangeIsRefusedBeforeThePortIsOpened) {
    ctx.settings.comPortName = dir.path("no-such-port");
    ctx.doc.chTable.at({1, 1, 1}).rogerTone = 300;
    radio().write();
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains("RogerTone")) << prompter.texts()[0].toStdString();
    EXPECT_TRUE(feature->backups().sets().isEmpty());
}

// A stored frequency that is no number is named before the port is opened; No ends the write.
TEST_F(RadioFlowTest, FrequenciesThatAreNoNumberAreNamedBeforeAWrite) {
    ctx.settings.comPortName = dir.path("no-such-port");
    ctx.doc.chTable.at({1, 1, 1}).rxFreq.assign(QStringLiteral("28A305"));
    prompter.answers = {Answer::No, Answer::Yes};
    for (int attempt = 0; attempt < 2; ++attempt) {
        radio().write();
        ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    }
    const QStringList texts = prompter.texts();
    ASSERT_EQ(texts.size(), 3) << texts.join('|').toStdString();
    EXPECT_TRUE(texts[0].contains(": HF A M1.")) << texts[0].toStdString();
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_TRUE(texts[2].startsWith(kCannotOpen)); // Yes goes on to the port
    EXPECT_TRUE(feature->backups().sets().isEmpty());
}

TEST_F(RadioFlowTest, GroupWriteAsksHowManyAndRemembersIt) {
    ctx.settings.comPortName = dir.path("no-such-port");
    groupSize.answers = {std::nullopt, 3, 5};
    radio().groupWrite(); // cancelled: nothing at all
    EXPECT_TRUE(prompter.texts().isEmpty());
    radio().groupWrite();
    radio().groupWrite();
    EXPECT_EQ(groupSize.presets, QList<int>({1, 1, 3}));
    EXPECT_EQ(radio().groupSize(), 5);
    EXPECT_EQ(prompter.texts().size(), 2);
}

TEST_F(RadioFlowTest, GroupWriteProgramsEachNewRadioOnce) {
    const QString savedA = dir.path("a.img");
    const QString savedB = dir.path("b.img");
    test::SimRadioProcess radioA({"--save", savedA});
    test::SimRadioProcess radioB({"--save", savedB});
    test::RadioSocket socket;
    ASSERT_FALSE(socket.device().isEmpty());
    ASSERT_TRUE(socket.attach(radioA.device()));
    ctx.settings.comPortName = socket.device();
    groupSize.answers = {2};

    // Radio A stays attached for two seconds after it was written, then is swapped for B.
    int step = 0;
    int radioShownAfterA = 0;
    bool askedForNextRadio = false;
    QElapsedTimer sinceStep;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        auto* group = qobject_cast<GroupProgressWindow*>(radio().progressWindow());
        if (step == 0 && radio().link().engine.group().radiosDone() == 1) {
            EXPECT_TRUE(QFile::remove(savedA));
            radioShownAfterA = group ? group->radioNumber() : -1;
            const auto* next = group ? group->findChild<QLabel*>("lblNextRadio") : nullptr;
            askedForNextRadio =
                next && next->isVisible() && next->text() == "Connect the next radio";
            step = 1;
            sinceStep.start();
        } else if (step == 1 && sinceStep.elapsed() > 2000) {
            socket.detach();
            step = 2;
            sinceStep.start();
        } else if (step == 2 && sinceStep.elapsed() > 1500) {
            socket.attach(radioB.device());
            step = 3;
        }
    });
    script.start(50);

    radio().groupWrite();

    EXPECT_FALSE(timedOut);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(radioShownAfterA, 2);
    EXPECT_TRUE(askedForNextRadio);
    EXPECT_EQ(prompter.texts(), QStringList({kWriteConfirm, kWriteDone + "\r\nRadios written: 2"}));
    EXPECT_FALSE(QFile::exists(savedA)); // A was not written a second time
    QFile b(savedB);
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll().left(kWrittenBytes), radioImageOf(ctx.doc).left(kWrittenBytes));
}

TEST_F(RadioFlowTest, ClosingOrCancellingTheGroupWindowWhileWaitingStopsAtOnce) {
    test::RadioSocket socket; // no radio attached
    ctx.settings.comPortName = socket.device();
    for (const bool byButton : {false, true}) {
        prompter.shown.clear();
        groupSize.answers = {4};
        QTimer::singleShot(200, [&] {
            auto* w = radio().progressWindow();
            if (w && byButton)
                w->findChild<QPushButton*>("cmdCancel")->click();
            else if (w)
                w->close();
        });
        radio().groupWrite();
        EXPECT_FALSE(timedOut);
        EXPECT_EQ(prompter.texts(), QStringList({kWriteConfirm}));
        EXPECT_FALSE(radio().link().port.isOpen());
        EXPECT_FALSE(radio().isBusy());
    }
}

TEST_F(RadioFlowTest, ProgressWindowsShowNoEnglishInChinese) {
    test::RadioSocket socket; // no radio: the windows stay up until closed
    ctx.settings.comPortName = socket.device();
    // Takes the texts of the progress window once it is up, then closes it.
    auto textsWhileRunning = [&](const std::function<void()>& start) {
        test::ShownTexts texts;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* w = radio().progressWindow();
            if (texts.isEmpty() && w && w->isVisible()) {
                texts = test::shownTexts(*w);
                w->close();
            }
        });
        poll.start(20);
        prompter.answers = {Answer::Ok, Answer::Cancel};
        start();
        EXPECT_TRUE(waitUntil([&] { return !radio().isBusy(); }, 5000));
        return texts;
    };
    for (const auto& command : std::initializer_list<std::function<void()>>{
             [&] { radio().read(); }, [&] { radio().write(); },
             [&] {
                 groupSize.answers = {3};
                 radio().groupWrite();
             }}) {
        EXPECT_EQ(test::leftInEnglish([&](Language lang) {
                      ctx.settings.language = lang;
                      return textsWhileRunning(command);
                  }),
                  QStringList());
    }
    EXPECT_FALSE(timedOut);
}

TEST_F(RadioFlowTest, RadioInformationIsAHandshakeOnly) {
    for (const QStringList& args : {QStringList{}, QStringList{"--fault", "silent"}}) {
        test::SimRadioProcess sim(args);
        ctx.settings.comPortName = sim.device();
        radio().radioInfo();
        EXPECT_TRUE(radio().link().port.isOpen());
        // Answered or not, it ends on its own, without a question or a window.
        ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }, 5000));
        EXPECT_TRUE(prompter.texts().isEmpty());
        EXPECT_FALSE(radio().link().port.isOpen());
        expectDocumentUntouched();
    }
}

} // namespace
} // namespace r5k27
