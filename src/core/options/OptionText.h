#pragma once

#include "OptionValues.h"
#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

struct MemoryImage;

// What the options window shows for a value: the chosen list entry, the field text, or for a
// switch the OFF/ON entry of its state.
QString optionText(const MemoryImage& image, OptionId id, Language lang);
// The choices of a list-shown value (empty for fields and switches).
QStringList optionChoices(const MemoryImage& image, OptionId id, Language lang);
// Whether a switch shows ticked: 1 is on, 0 off, anything else the switch's default state.
bool optionTicked(const MemoryImage& image, OptionId id);

// Stores what the user chose or typed and returns what the field shows afterwards. A list
// choice that is not in the list changes nothing; typed numbers are limited as each field
// requires (the battery pair is kept in order, the RSSI points stay increasing).
QString setOptionFromText(MemoryImage& image, OptionId id, const QString& text, Language lang);
void setOptionTicked(MemoryImage& image, OptionId id, bool ticked);

// Both battery voltage fields are stored whenever either is left; the texts come back limited
// to 9.0..17.0 and swapped when the upper one is below the lower one.
struct BatteryTexts {
    QString lower;
    QString upper;
};
BatteryTexts setBatteryFromTexts(MemoryImage& image, const QString& lower, const QString& upper);

// The RSSI calibration point k (0..11) shows as stored + 1. A typed point is kept only when it
// keeps its half of the table (points 0..5 and 6..11) strictly increasing.
QString rssiPointText(const MemoryImage& image, int k);
QString setRssiPointFromText(MemoryImage& image, int k, const QString& text);

} // namespace r5k27
