#include "MessageBoxPrompter.h"

#include "ProgramInfo.h"
#include "core/common/AppSettings.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace r5k27 {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Closing the box with Escape or the title bar gives the button that backs out.
Answer answerOf(int button, Buttons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void useChineseTexts(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "确定"},   {QMessageBox::Cancel, "取消"},    {QMessageBox::Yes, "是(&Y)"},
        {QMessageBox::No, "否(&N)"}, {QMessageBox::Retry, "重试(&R)"},
    };
    for (const auto& [button, label] : texts)
        if (QAbstractButton* b = box.button(button))
            b->setText(QString::fromUtf8(label));
}

// A short text would size the box below its title, and the window manager cuts the title.
void widenForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    // Room for the title bar's icon and buttons beside the text.
    constexpr int kTitleBarControls = 140;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

MessageBoxPrompter::MessageBoxPrompter(const AppSettings& settings)
    : settings_(settings) {}

Answer MessageBoxPrompter::ask(const QString& text, Buttons buttons, Icon icon) {
    QMessageBox box(boxIcon(icon), programTitle(settings_.language), text, standardButtons(buttons),
                    QApplication::activeWindow());
    if (settings_.language == Language::Chinese)
        useChineseTexts(box);
    widenForTitle(box);
    return answerOf(box.exec(), buttons);
}

} // namespace r5k27
