#pragma once

#include <QString>

namespace vantrel {

// Reads a decimal number written with a decimal comma ("12,50", "-3", "1,5E2"), in
// extended precision. Blanks around the number are allowed. Anything else throws the
// ConversionError "'<text>' n'est pas une valeur en virgule flottante correcte".
long double toFloat(const QString& text);

// Reads a whole number in the signed 32-bit range ("007" is 7). Leading blanks are
// allowed. Anything else throws the ConversionError
// "''<text>'' n'est pas une valeur entière valide".
int toInteger(const QString& text);

// The conversion error for a text that is not a decimal number / whole number, for
// callers that check a text themselves.
[[noreturn]] void throwNotAFloat(const QString& text);
[[noreturn]] void throwNotAnInteger(const QString& text);

// A decimal number with the decimal comma and exactly `decimals` decimals, rounded
// half to even ("0.00" / "0.000" patterns). Never uses the C or the Qt locale.
QString formatFixed(long double value, int decimals);

} // namespace vantrel
