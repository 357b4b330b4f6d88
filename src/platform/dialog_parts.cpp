#include "platform/dialog_parts.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::platform {

OkCancel addOkCancel(QDialog& dialog) {
    OkCancel buttons{new QPushButton(QStringLiteral("&OK"), &dialog), new QPushButton(QStringLiteral("&Annuler"), &dialog),
                     new QHBoxLayout};
    buttons.ok->setDefault(true);
    buttons.cancel->setAutoDefault(false);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

void layOutFormDialog(QDialog& dialog, QFormLayout* form, const OkCancel& buttons, int width) {
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    dialog.setFixedSize(QSize(width, layout->sizeHint().height()));
}

QHBoxLayout* fieldRow(QWidget* field, QWidget* second, QWidget* third) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : {field, second, third})
        if (w)
            row->addWidget(w);
    row->addStretch(1);
    return row;
}

void paintField(QWidget& field, const QColor& colour) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour);
    field.setPalette(palette);
}

} // namespace vantrel::platform
