#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace r5k27::cli {

// The pages the build makes from the command table, so they never repeat it by hand:
//   --man r5k27-cli | --man r5k27   a manual page (roff)
//   --bash-completion               the bash completion script of r5k27-cli
// Nullopt when args ask for none of them.
std::optional<QString> toolPage(const QStringList& args);

QString manPage(const QString& program);
QString bashCompletion();

} // namespace r5k27::cli
