#pragma once

#include "channels/ChannelDetails.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;

namespace r5k27 {

struct ChannelRec;
struct MemoryImage;

// The "More Information" frame: the sixteen option lists of the channel on the current row.
class DetailPanel : public QGroupBox {
    Q_OBJECT
public:
    DetailPanel(int lang, QWidget* parent = nullptr);

    // Fills every list for the channel and shows its values (nothing is stored).
    void showChannel(const QString& caption, const ChannelRec& rec, const MemoryImage& image,
                     bool memView);
    // Rebuilds the lists that follow other data, keeping what each shows when it is still
    // offered, else showing its first entry.
    void refreshDtmfLists(const MemoryImage& image);
    void refreshRogerList(const MemoryImage& image);
    // Rebuilds the mode list and shows the channel's mode.
    void refreshModeList(const ChannelRec& rec, const MemoryImage& image, bool memView);
    // Greys the lists a public channel ignores, keeping their values.
    void applyPublicRule(bool isPublic);

    QComboBox* list(int index) const { return lists_[std::size_t(index)]; }
    const QStringList& entries(int index) const { return entries_[std::size_t(index)]; }

signals:
    // The user chose position in list index.
    void chosen(int index, int position);

private:
    void fill(int index, const QStringList& entries, int shown);
    void refill(int index, const QStringList& entries);

    int lang_;
    std::array<QComboBox*, kDetailCount> lists_{};
    std::array<QLabel*, kDetailCount> labels_{};
    std::array<QStringList, kDetailCount> entries_;
};

} // namespace r5k27
