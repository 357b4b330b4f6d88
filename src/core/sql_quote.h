#pragma once

#include <QString>

namespace vantrel {

// Doubles every single quote so that the text can stand between single quotes in a
// statement. Nothing else changes: no trimming, no other escaping. Every text value
// of every statement goes through here, keys in WHERE clauses included.
QString gvs(const QString& text);

} // namespace vantrel
