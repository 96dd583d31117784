#pragma once

#include "core/lang/Language.h"
#include "core/options/DtmfSettings.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace r5k27 {

struct AppContext;
class DtmfCodeEditor;

// The encode settings and the sixteen autodial codes. Every change goes into the
// document at once; references to a cleared code are dropped through setDtmfList.
class DtmfWindow : public QWidget {
    Q_OBJECT
public:
    explicit DtmfWindow(AppContext& ctx, QWidget* parent = nullptr);

    // CommitCodeEdit: stores the editor's text as the code of the row being edited and puts
    // the editor away.
    void commitCodeEdit();
    // The grid row (1..16) the editor is on; 0 when none.
    int editRow() const { return editRow_; }

private:
    QWidget* buildEncodePage();
    QWidget* buildAutodialPage();
    void applyCaptions();
    // Shows every value of the document; list values without an entry are stored as shown.
    void showData();
    // The editor on a row (0-based): with the code selected, or with typed in its place.
    void openEditor(int row, const QString& typed);
    // Puts the editor away without storing; the grid keeps the focus the editor had.
    void closeEditor();
    void storeCode(int n, const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void placeEditor();
    void chooseTiming(DtmfTiming timing, int index);
    void tickDisplay(bool on);
    Language lang() const;

    AppContext& ctx_;
    QTabWidget* tabs_;
    std::array<QLabel*, kDtmfTimings.size()> timingLabels_{};
    std::array<QComboBox*, kDtmfTimings.size()> timingLists_{};
    QCheckBox* display_ = nullptr;
    QTableWidget* grid_ = nullptr;
    DtmfCodeEditor* editor_ = nullptr;
    int editRow_ = 0;
    // Set while the editor is put away, whose loss of focus then stores nothing.
    bool closing_ = false;
};

} // namespace r5k27
