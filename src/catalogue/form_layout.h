#pragma once

#include <QColor>

class QWidget;

namespace vantrel::catalogue {

// Paints an input field's background.
void tintField(QWidget& field, const QColor& colour);

} // namespace vantrel::catalogue
