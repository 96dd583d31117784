#pragma once

#include <QWidget>

class QFrame;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace r5k27 {

// The tree pane's new width after the splitter moved by dx: never narrower than minWidth nor
// wider than maxWidth.
int draggedTreeWidth(int width, int dx, int minWidth, int maxWidth);

inline constexpr int kMinTreeWidthTwips = 300;
inline constexpr int kDefaultTreeWidthTwips = 2700;

// The splitter bar right of the tree pane; dragging it resizes the pane.
class TreeSplitterBar : public QWidget {
    Q_OBJECT
public:
    explicit TreeSplitterBar(QWidget* pane, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* pane_;
    bool moveTree_ = false;
    int lastX_ = 0;
};

// The pane left of the child windows: a small toolbar that hides the pane, and the tree of
// editor windows.
class TreePane : public QWidget {
    Q_OBJECT
public:
    explicit TreePane(QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    // Rebuilds the tree: a root with the model name, and one entry per editor window;
    // entries carry their key ("N1", ...) as data.
    void build(const QString& rootText, const QList<std::pair<QString, QString>>& keyedEntries);
    void setCloseToolTip(const QString& tip);
    void setEntryEnabled(const QString& key, bool enabled);

signals:
    void closeRequested();
    void entryClicked(const QString& key);

private:
    QFrame* frame_;
    QToolBar* toolbar_;
    QTreeWidget* tree_;
};

} // namespace r5k27
