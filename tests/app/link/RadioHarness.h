#pragma once

#include "app/mainwindow/MainWindowHarness.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "link/LinkProgressWindow.h"
#include "link/RadioLinkFeature.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace r5k27::test {

// Records for each box whether a progress window was still up when it was shown.
struct ProgressSpyPrompter : Prompter {
    explicit ProgressSpyPrompter(Prompter& wrapped)
        : inner(wrapped) {}
    Answer ask(const QString& text, Buttons buttons, Icon icon) override {
        progressUp << visible();
        return inner.ask(text, buttons, icon);
    }
    Prompter& inner;
    std::function<bool()> visible;
    QList<bool> progressUp;
};

struct ScriptedGroupSize : GroupSizeQuestion {
    QList<std::optional<int>> answers;
    QList<int> presets;
    std::optional<int> ask(int preset) override {
        presets << preset;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

// The main window with its radio commands over scripted answers; the radio is whatever device
// comPortName names. listener hears every radio operation.
struct RadioHarness : MainWindowHarness {
    explicit RadioHarness(RadioJobListener* listener = nullptr) {
        ctx.settingsFile = dir.path("mysetup.ini");
        window = makeWindow();
        writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2024, 5, 1));
        spy.visible = [this] {
            auto* w = radio().progressWindow();
            return w && w->isVisible();
        };
        feature = std::make_unique<RadioLinkFeature>(
            ctx, *window, spy,
            RadioLinkOptions{.backupFolder = dir.path("backups"),
                             .listPorts = [this] { return ports; },
                             .groupSize = &groupSize,
                             .listener = listener});
        // No test may hang on a radio that never finishes.
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            timedOut = true;
            if (auto* w = radio().progressWindow())
                w->close();
        });
        watchdog.start(60000);
    }

    RadioCommands& radio() { return feature->commands(); }

    // What a radio holding doc would send.
    static QByteArray radioImageOf(const Document& doc) {
        QByteArray image = prepareRadioBuf();
        EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image).has_value());
        return image;
    }

    ProgressSpyPrompter spy{prompter};
    ScriptedGroupSize groupSize;
    QList<SerialPortEntry> ports;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<RadioLinkFeature> feature;
    QTimer watchdog;
    bool timedOut = false;

    // Runs the event loop until done() holds or limitMs pass.
    static bool waitUntil(const std::function<bool()>& done, int limitMs = 30000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }
};

} // namespace r5k27::test
