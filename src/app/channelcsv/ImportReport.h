#pragma once

#include "core/document/ChannelCsv.h"
#include "core/lang/Language.h"

#include <QDialog>

namespace r5k27 {

// The rows an import could not take: row number, value and reason, in the user's language.
// Opens window-modal and deletes itself when closed.
class ImportReport : public QDialog {
    Q_OBJECT
public:
    ImportReport(const CsvImportResult& result, Language lang, QWidget* parent);
};

} // namespace r5k27
