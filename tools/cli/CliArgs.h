#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace r5k27::cli {

// A command line split into its verb, its file arguments and its options.
struct CliArgs {
    QString verb;
    QStringList files;
    QMap<QString, QString> options; // "--port" -> value; a flag maps to an empty text
    // Every value of an option that may be given more than once (--port), in order.
    QMap<QString, QStringList> repeated;

    bool has(const QString& option) const { return options.contains(option); }
    QString value(const QString& option) const { return options.value(option); }
    QStringList values(const QString& option) const { return repeated.value(option); }
    // True when every option given is one of allowed.
    bool onlyOptions(const QStringList& allowed) const;
};

// A whole decimal number within min..max; nullopt otherwise.
std::optional<int> parseCount(const QString& text, int min, int max);

} // namespace r5k27::cli
