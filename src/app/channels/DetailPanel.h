#pragma once

#include "core/document/ChannelDetails.h"
#include "core/lang/Language.h"

#include <QGroupBox>
#include <array>
#include <optional>

class QComboBox;
class QLabel;

namespace r5k27 {

struct ChannelRec;
struct MemoryImage;

// The "More Information" frame: the sixteen option lists of the channel on the current row.
class DetailPanel : public QGroupBox {
    Q_OBJECT
public:
    // noSetting: the tooltip of the two lists the radio has no setting for.
    DetailPanel(Language lang, const QString& noSetting, QWidget* parent = nullptr);

    // Fills every list for the channel and shows its values (nothing is stored).
    void showChannel(const QString& caption, const ChannelRec& rec, const MemoryImage& image,
                     bool memView);
    // Greys the lists a public channel ignores, keeping their values.
    void applyPublicRule(bool isPublic);

    QComboBox* list(int index) const { return lists_[std::size_t(index)]; }
    // The value the user chose at position in list index; nothing when it is the stored value
    // itself or the list has no setting.
    std::optional<int> chosenValue(int index, int position) const;

signals:
    // The user chose position in list index.
    void chosen(int index, int position);

private:
    Language lang_;
    std::array<QComboBox*, kDetailCount> lists_{};
    std::array<QLabel*, kDetailCount> labels_{};
    std::array<DetailChoices, kDetailCount> choices_;
};

} // namespace r5k27
