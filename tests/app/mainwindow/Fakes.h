#pragma once

#include "core/document/Document.h"
#include "core/document/ModifiedCheck.h"
#include "mainwindow/DocumentStore.h"

#include <QList>
#include <QStringList>

namespace r5k27::test {

// Records what the commands asked of the data-file module.
struct FakeDocumentStore : DocumentStore {
    bool modified = false;
    // When set, "modified" is whether that document differs from its saved copy.
    const Document* document = nullptr;
    bool openWorks = true;
    bool saveWorks = true;
    QStringList opened;
    QStringList saved;
    QList<DefaultFileKind> defaultsLoaded;

    bool isModified() const override { return document ? r5k27::isModified(*document) : modified; }
    bool open(const QString& path) override {
        opened << path;
        if (openWorks)
            modified = false;
        return openWorks;
    }
    bool save(const QString& path) override {
        saved << path;
        if (saveWorks)
            modified = false;
        return saveWorks;
    }
    void loadDefault(DefaultFileKind kind) override {
        defaultsLoaded << kind;
        modified = false;
    }
};

// Answers file dialogs from a script; an empty answer (or none left) is a cancel.
struct ScriptedFileDialogs : FileDialogs {
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList filters;
    QStringList savePresets;
    QStringList titles;
    int openShown = 0;
    int saveShown = 0;

    QString openFileName(const QString& filter, const QString& title) override {
        ++openShown;
        filters << filter;
        titles << title;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(const QString& filter, const QString& preset,
                         const QString& title) override {
        ++saveShown;
        filters << filter;
        titles << title;
        savePresets << preset;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};

} // namespace r5k27::test
