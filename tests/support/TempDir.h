#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace r5k27::test {

// A scratch folder that disappears with the test.
class TempDir {
public:
    TempDir();
    // In memory where the system offers it: tests that sync thousands of files stay quick.
    struct InMemory {};
    explicit TempDir(InMemory);
    QString path(const QString& relative = {}) const;
    QString write(const QString& relative, const QByteArray& content) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

} // namespace r5k27::test
