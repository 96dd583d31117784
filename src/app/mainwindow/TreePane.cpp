#include "TreePane.h"

#include "common/Twips.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace r5k27 {

int draggedTreeWidth(int width, int dx, int minWidth, int maxWidth) {
    return std::clamp(width + dx, minWidth, std::max(minWidth, maxWidth));
}

TreeSplitterBar::TreeSplitterBar(QWidget* pane, QWidget* parent)
    : QWidget(parent)
    , pane_(pane) {
    setObjectName(QStringLiteral("CommandMove"));
    setCursor(Qt::SizeHorCursor);
    setFixedWidth(5);
}

void TreeSplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    moveTree_ = true;
    lastX_ = qRound(event->globalPosition().x());
}

void TreeSplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!moveTree_)
        return;
    const int x = qRound(event->globalPosition().x());
    const int maxWidth = parentWidget() ? parentWidget()->width() - width() : pane_->width();
    const int before = pane_->width();
    const int after =
        draggedTreeWidth(before, x - lastX_, twipsToPixels(kMinTreeWidthTwips), maxWidth);
    pane_->setFixedWidth(after);
    // Follow the bar only as far as the pane moved, so the pointer stays on it at the limits.
    lastX_ += after - before;
}

void TreeSplitterBar::mouseReleaseEvent(QMouseEvent*) {
    moveTree_ = false;
}

TreePane::TreePane(QWidget* parent)
    : QWidget(parent)
    , frame_(new QFrame(this))
    , toolbar_(new QToolBar(frame_))
    , tree_(new QTreeWidget(frame_)) {
    setObjectName(QStringLiteral("Picture1"));
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::StyledPanel);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(16, 16));
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);

    auto* spacer = new QWidget(toolbar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar_->addWidget(spacer);
    QAction* close =
        toolbar_->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    close->setObjectName(QStringLiteral("删除"));
    connect(close, &QAction::triggered, this, &TreePane::closeRequested);

    auto* frameLayout = new QVBoxLayout(frame_);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->setSpacing(2);
    frameLayout->addWidget(toolbar_);
    frameLayout->addWidget(tree_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame_);

    setFixedWidth(twipsToPixels(kDefaultTreeWidthTwips));
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        emit entryClicked(item->data(0, Qt::UserRole).toString());
    });
}

void TreePane::setCloseToolTip(const QString& tip) {
    toolbar_->actions().constLast()->setToolTip(tip);
}

void TreePane::setEntryEnabled(const QString& key, bool enabled) {
    const QTreeWidgetItem* root = tree_->topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        QTreeWidgetItem* item = root->child(i);
        if (item->data(0, Qt::UserRole).toString() == key)
            item->setDisabled(!enabled);
    }
}

void TreePane::build(const QString& rootText,
                     const QList<std::pair<QString, QString>>& keyedEntries) {
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, {rootText});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    for (const auto& [key, text] : keyedEntries) {
        auto* item = new QTreeWidgetItem(root, {text});
        item->setData(0, Qt::UserRole, key);
    }
    root->setExpanded(true);
}

} // namespace r5k27
