#pragma once

#include <QString>
#include <optional>

namespace r5k27 {

// The program's numeric test: blanks around the text ignored, optional sign, digits, at most one
// "." and at least one digit. Exponents, hexadecimal prefixes and group separators do not pass,
// so stray bytes from a file or a radio never read as a number.
bool isNumericText(const QString& text);
std::optional<double> parseNumber(const QString& text);
// Whole numbers only ("12", " -3 "); a fraction or anything non-numeric gives nothing.
std::optional<long long> parseInteger(const QString& text);
// The nearest integer, halves to the even neighbour: how the radio's scaled values and every
// typed number are rounded.
long long roundHalfEven(double value);

} // namespace r5k27
