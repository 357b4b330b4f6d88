#pragma once

#include <QColor>

class QDialog;
class QFormLayout;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace vantrel::platform {

// "&OK", the default button, and "&Annuler", which closes the dialog with cancel, at
// the right of their row. What OK does is the dialog's own.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};
OkCancel addOkCancel(QDialog& dialog);

// A form of labelled fields above the OK / Cancel row, the dialog fixed at `width`.
void layOutFormDialog(QDialog& dialog, QFormLayout* form, const OkCancel& buttons, int width);

// A field followed by what stands beside it (a unit, a "..." button), left-aligned.
QHBoxLayout* fieldRow(QWidget* field, QWidget* second = nullptr, QWidget* third = nullptr);

// An input field's background: the tint of the dialog it belongs to.
void paintField(QWidget& field, const QColor& colour);

} // namespace vantrel::platform
