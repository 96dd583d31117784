#pragma once

#include "core/document/DocumentDiff.h"
#include "core/lang/Language.h"

#include <QDialog>
#include <functional>

class QTableWidget;

namespace r5k27 {

// The values the document holds differently from a radio or a data file, one row each. The
// document is not changed here; the buttons hand the choice back to the caller.
class CompareWindow : public QDialog {
public:
    enum class Source { Radio, File };

    CompareWindow(const QList<FieldDifference>& differences, Source source, Language lang,
                  QWidget* parent = nullptr);

    // Runs after the window closed on "Take … Values" / "Write to Radio".
    void setTake(std::function<void()> take) { take_ = std::move(take); }
    void setWrite(std::function<void()> write) { write_ = std::move(write); }
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
    std::function<void()> take_;
    std::function<void()> write_;
};

} // namespace r5k27
