#include "HelpWindow.h"

#include "GuideText.h"
#include "common/ScreenPlacement.h"
#include "help/HelpCaptions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <optional>

namespace r5k27 {

namespace {

// The guide with its contents list and a search field; the text is reloaded only when the
// language or the picture folder changes, so a search keeps its place between calls.
class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* parent)
        : QDialog(parent, Qt::Window) {
        setObjectName(QStringLiteral("HelpWindow"));
        setAttribute(Qt::WA_DeleteOnClose);
        search_->setObjectName(QStringLiteral("HelpSearch"));
        search_->setClearButtonEnabled(true);
        contents_->setObjectName(QStringLiteral("HelpContents"));
        browser_->setObjectName(QStringLiteral("HelpText"));
        notFound_->setObjectName(QStringLiteral("HelpNotFound"));

        auto* side = new QWidget(this);
        auto* sideLayout = new QVBoxLayout(side);
        sideLayout->setContentsMargins(0, 0, 0, 0);
        sideLayout->addWidget(search_);
        sideLayout->addWidget(notFound_);
        sideLayout->addWidget(contents_);
        auto* splitter = new QSplitter(this);
        splitter->addWidget(side);
        splitter->addWidget(browser_);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({200, 600});

        auto* buttons = new QDialogButtonBox(this);
        close_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
        close_->setObjectName(QStringLiteral("CommandClose"));
        // Enter in the search field finds the next match; it must not press Close.
        close_->setAutoDefault(false);
        close_->setDefault(false);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(splitter);
        layout->addWidget(buttons);
        // Fits the smallest screen the program supports (1024x600) with its frame.
        resize(820, 540);

        connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0)
                goTo(contents_->item(row)->data(Qt::UserRole).toString());
        });
        connect(search_, &QLineEdit::textChanged, this, [this] { find(false); });
        connect(search_, &QLineEdit::returnPressed, this, [this] { find(true); });
    }

    void show(const QString& sectionId, Language lang, const QString& pictureFolder) {
        if (lang != lang_ || pictureFolder != pictureFolder_)
            load(lang, pictureFolder);
        int row = -1;
        for (int r = 0; r < contents_->count(); ++r)
            if (contents_->item(r)->data(Qt::UserRole).toString() == sectionId)
                row = r;
        contents_->setCurrentRow(row);
        if (row < 0)
            goTo(QString());
        // Centred by Qt, its title bar could lie above a small screen's top edge.
        if (!isVisible())
            placeWithinScreen(*this, parentWidget());
        QDialog::show();
        raise();
        activateWindow();
    }

    QString shownSection() const {
        const QListWidgetItem* item = contents_->currentItem();
        return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
    }

private:
    void load(Language lang, const QString& pictureFolder) {
        lang_ = lang;
        pictureFolder_ = pictureFolder;
        setWindowTitle(HelpCaptions::window.in(lang));
        close_->setText(HelpCaptions::close.in(lang));
        search_->setPlaceholderText(HelpCaptions::search.in(lang));
        notFound_->clear();
        browser_->setSearchPaths({pictureFolder});
        const QString html = guideHtml(lang, pictureFolder);
        browser_->setHtml(html);
        QSignalBlocker quiet(contents_);
        contents_->clear();
        for (const GuideSection& section : guideSections(html)) {
            auto* item = new QListWidgetItem(section.title, contents_);
            item->setData(Qt::UserRole, section.id);
        }
    }

    // Shows the section and puts the cursor at its start, where a search then begins.
    void goTo(const QString& id) {
        QTextCursor cursor(browser_->document());
        for (QTextBlock block = browser_->document()->begin(); block.isValid() && !id.isEmpty();
             block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorNames().contains(id))
                    cursor.setPosition(it.fragment().position());
        browser_->setTextCursor(cursor);
        browser_->scrollToAnchor(id);
    }

    // From the cursor on, then once more from the top; typing looks again from where the
    // last match began so that a longer word can still match there.
    void find(bool next) {
        const QString text = search_->text();
        notFound_->clear();
        if (text.isEmpty())
            return;
        if (!next) {
            QTextCursor cursor = browser_->textCursor();
            cursor.setPosition(cursor.selectionStart());
            browser_->setTextCursor(cursor);
        }
        if (browser_->find(text))
            return;
        browser_->moveCursor(QTextCursor::Start);
        if (!browser_->find(text))
            notFound_->setText(HelpCaptions::notFound.in(lang_.value_or(Language::English)));
    }

    QLineEdit* search_ = new QLineEdit(this);
    QLabel* notFound_ = new QLabel(this);
    QListWidget* contents_ = new QListWidget(this);
    QTextBrowser* browser_ = new QTextBrowser(this);
    QPushButton* close_ = nullptr;
    std::optional<Language> lang_; // none until the guide is first loaded
    QString pictureFolder_;
};

QPointer<HelpWindow> helpWindow;

} // namespace

void showHelp(const QString& sectionId, Language lang, QWidget* parent,
              const QString& pictureFolder) {
    if (!helpWindow)
        helpWindow = new HelpWindow(parent);
    // Asked from a modal window, the guide has to belong to it, or the modal window would block
    // it; it goes when that window goes.
    if (helpWindow->parentWidget() != parent)
        helpWindow->setParent(parent, helpWindow->windowFlags());
    helpWindow->show(sectionId, lang, pictureFolder);
}

QWidget* openHelpWindow() {
    return helpWindow && helpWindow->isVisible() ? helpWindow.data() : nullptr;
}

QString shownHelpSection() {
    return openHelpWindow() ? helpWindow->shownSection() : QString();
}

} // namespace r5k27
