#include "GroupFrame.h"

#include "ControlHelpers.h"
#include "common/MessageTarget.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/GroupSettings.h"
#include "core/channels/ListHelpers.h"
#include "core/document/DocumentModel.h"
#include "core/document/EditNames.h"
#include "core/image/FixedText.h"
#include "core/lang/ChannelWindowCaptions.h"
#include "core/options/OptionLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace r5k27 {
namespace {

constexpr int kWorkChannelList = 2;
constexpr int kMemChannelList = 5;
constexpr int kGroupValidList = 6;
// The setting each list (0, 1, 3, 4) chooses; list 2 shows the work channel, chosen nowhere.
constexpr GroupReference kReferences[] = {GroupReference::Emergency1, GroupReference::Emergency2,
                                          GroupReference::Emergency1, GroupReference::DualWatch1,
                                          GroupReference::DualWatch2};

const ChannelWindowCaptions& texts() {
    return channelWindowCaptions();
}

} // namespace

GroupFrame::GroupFrame(DocumentModel& model, Prompter& prompter, Language lang, QWidget* parent)
    : QGroupBox(parent)
    , model_(model)
    , prompter_(prompter)
    , lang_(lang) {
    setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < int(lists_.size()); ++i) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        sizeByCharacters(combo, 4);
        lists_[std::size_t(i)] = combo;
    }
    const QString emergency = texts().emergency.in(lang);
    const QString dualWatch = texts().dualWatch.in(lang);
    // (list, caption, row, column): emergency on the left, dual watch on the right.
    const struct {
        int list;
        QString caption;
        int row;
        int column;
    } places[] = {{0, emergency + u'1', 0, 0},
                  {1, emergency + u'2', 1, 0},
                  {kWorkChannelList, texts().workChannel.in(lang), 2, 0},
                  {3, dualWatch + u'1', 0, 2},
                  {4, dualWatch + u'2', 1, 2},
                  {kGroupValidList, texts().groupValid.in(lang), 2, 2}};
    for (const auto& place : places) {
        QComboBox* combo = lists_[std::size_t(place.list)];
        grid->addWidget(labelFor(combo, place.caption, this), place.row, place.column);
        grid->addWidget(combo, place.row, place.column + 1);
    }
    for (const int list : {0, 1, 3, 4})
        hint(lists_[std::size_t(list)], texts().hintGroupChannel.in(lang));
    hint(lists_[kWorkChannelList], texts().hintWorkChannel.in(lang));
    hint(lists_[kGroupValidList], texts().hintGroupValid.in(lang));
    // The work channel follows the channel set by itself; the memory channel is not shown.
    lists_[kWorkChannelList]->setEnabled(false);
    lists_[kMemChannelList]->hide();

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Text2"));
    name_->setMaxLength(4);
    grid->addWidget(labelFor(name_, texts().groupName.in(lang), this), 3, 0);
    grid->addWidget(name_, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (int list : {0, 1, 3, 4})
        connect(lists_[std::size_t(list)], &QComboBox::activated, this,
                [this, list](int position) { chooseChannel(list, position); });
    connect(lists_[kGroupValidList], &QComboBox::activated, this, &GroupFrame::chooseGroupValid);
    connect(name_, &QLineEdit::textEdited, this, &GroupFrame::editName);
    connect(name_, &QLineEdit::editingFinished, this, [this] { model_.endEdit(); });
}

void GroupFrame::showGroup(int mode, int group) {
    mode_ = mode;
    group_ = group;
    setTitle(texts().group.in(lang_) + QStringLiteral(" -- ") + groupTextFromNumber(group));
    const MemoryImage& image = model_.image();
    const OptFeatRec& opt = image.optFeat;
    const QStringList names = ordinaryChannelNames(image, model_.table(), mode, group);
    const std::int16_t values[] = {opt.emergencyCh(mode, group, 0), opt.emergencyCh(mode, group, 1),
                                   opt.workCh(mode, group), opt.dwCh(mode, group, 0),
                                   opt.dwCh(mode, group, 1)};
    for (int list = 0; list <= 4; ++list)
        showEntries(lists_[std::size_t(list)], names,
                    selectListText(names, getChName(values[list])));
    const QStringList offOn = optionList(OptionList::OffOn, image, lang_);
    showEntries(lists_[kGroupValidList], offOn,
                selectListIndex(offOn, opt.groupValid(mode, group)));
    if (!name_->hasFocus())
        name_->setText(opt.groupName(mode, group).clean());
}

void GroupFrame::chooseChannel(int list, int position) {
    const QString caption = list <= 1 ? texts().emergency.in(lang_) + QString::number(list + 1)
                                      : texts().dualWatch.in(lang_) + QString::number(list - 2);
    model_.setGroupReference(
        mode_, group_, kReferences[list], getChId(lists_[std::size_t(list)]->itemText(position)),
        editNameOf(texts().editGroupChannel, caption, groupTextFromNumber(group_)));
    refresh();
}

void GroupFrame::chooseGroupValid(int position) {
    const bool on = position == 1;
    const LocalText& name = on ? texts().editGroupOn : texts().editGroupOff;
    // Switching off the only group in use snaps back.
    model_.setGroupValid(mode_, group_, on, editNameOf(name, groupTextFromNumber(group_)));
    refresh();
}

void GroupFrame::editName(const QString& text) {
    const QString letter = groupTextFromNumber(group_);
    if (!model_.setGroupName(mode_, group_, text, editNameOf(texts().editGroupName, letter),
                             QStringLiteral("group-name-%1-%2").arg(mode_).arg(group_)) &&
        !isSingleByteText(text)) {
        name_->setText(model_.image().optFeat.groupName(mode_, group_).clean());
        MessageTarget{&prompter_, lang_}.warn(texts().groupNameSingleByte);
    }
}

} // namespace r5k27
