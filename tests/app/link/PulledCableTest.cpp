// A radio pulled mid-write and the read-back of a verified write, as the user sees them.
#include "RadioHarness.h"
#include "common/MessageBoxPrompter.h"
#include "core/link/LinkMessages.h"
#include "support/VirtualRadio.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

const QString kPartial[] = {
    "The radio now holds a partial write and will not work as before. Write it again.",
    "对讲机中现在只有部分写入的数据，无法正常使用。请重新写入。"};

// The question about a lost block offers Retry and Cancel, in the user's language.
TEST(PulledCable, TheQuestionOffersRetryAndCancel) {
    AppSettings settings;
    MessageBoxPrompter boxes(settings);
    const QStringList expected[] = {{"Retry", "Cancel"}, {"重试(&R)", "取消"}};
    for (const Language lang : {Language::English, Language::Chinese}) {
        settings.language = lang;
        QStringList buttons;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            poll.stop();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->button(QMessageBox::Cancel)->click();
        });
        poll.start(10);
        EXPECT_FALSE(askLinkQuestion(boxes, {LinkQuestion::TransferLost, {}}, settings));
        buttons.sort();
        QStringList want = expected[int(lang == Language::Chinese)];
        want.sort();
        EXPECT_EQ(buttons, want);
    }
}

// Cancel after the cable was pulled: the user learns that the radio must be written again.
TEST(PulledCable, CancelOfAWriteSaysTheRadioHoldsAPartialWrite) {
    for (const Language lang : {Language::English, Language::Chinese}) {
        test::RadioHarness h;
        h.ctx.settings.language = lang;
        test::SimRadioProcess sim({"--fault", "unplug:300"});
        h.ctx.settings.comPortName = sim.device();
        h.prompter.answers = {Answer::Ok, Answer::Cancel};
        h.radio().write();
        ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));
        const auto& shown = h.prompter.shown;
        ASSERT_EQ(shown.size(), 3) << h.prompter.texts().join('|').toStdString();
        EXPECT_EQ(shown[1].buttons, Buttons::RetryCancel);
        EXPECT_EQ(shown[2].text, kPartial[int(lang == Language::Chinese)]);
    }
}

// The read-back after a write is named in the progress window and counts from 0 again, for a
// single and a group write, in both languages.
TEST(VerifyProgress, TheReadBackIsNamedAndCountsOnItsOwn) {
    for (const Language lang : {Language::English, Language::Chinese}) {
        for (const bool group : {false, true}) {
            SCOPED_TRACE(QString("%1 %2").arg(int(lang)).arg(group).toStdString());
            test::RadioHarness h;
            h.ctx.settings.language = lang;
            h.ctx.settings.verifyAfterWriting = true;
            test::SimRadioProcess sim({"--pace", "460800"});
            h.ctx.settings.comPortName = sim.device();
            // Percent shown under each phase name, as sampled.
            QList<std::pair<QString, int>> seen;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* w = h.radio().progressWindow();
                if (!w || !w->isVisible())
                    return;
                auto* phase = w->findChild<QLabel*>("lblPhase");
                auto* percent = w->findChild<QLabel*>("lblPercent");
                const QString name = phase && phase->isVisible() ? phase->text() : QString();
                seen.append({name, percent->text().chopped(1).toInt()});
            });
            poll.start(5);
            if (group) {
                h.groupSize.answers = {1};
                h.radio().groupWrite();
            } else {
                h.radio().write();
            }
            ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));
            const QString verifying = lang == Language::English ? "Verifying…" : "正在校验…";
            const auto first = std::find_if(seen.begin(), seen.end(),
                                            [&](const auto& s) { return s.first == verifying; });
            ASSERT_NE(first, seen.end());
            EXPECT_LT(first->second, 50);
            // The write's own percentages carry no name.
            EXPECT_TRUE(
                std::all_of(seen.begin(), first, [](const auto& s) { return s.first.isEmpty(); }));
            EXPECT_TRUE(
                std::any_of(seen.begin(), first, [](const auto& s) { return s.second > 50; }));
            EXPECT_TRUE(h.prompter.texts().last().startsWith(
                lang == Language::English ? "Write Data Completed." : "写入数据完成。"));
        }
    }
}

} // namespace
} // namespace r5k27
