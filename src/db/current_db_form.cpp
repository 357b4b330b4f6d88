#include "db/current_db_form.h"

#include "db/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vantrel::db {

Tcurrentdbfrm::Tcurrentdbfrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(messages::currentTitle);
    setModal(true);

    auto* label = new QLabel(messages::currentLabel, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);

    path_ = new QPlainTextEdit(this);
    path_->setReadOnly(true);
    path_->setFixedHeight(60);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* note = new QLabel(messages::keepFileNote, this);
    note->setWordWrap(true);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(icon);
    noteRow->addWidget(note, 1);

    close_ = new QPushButton(messages::closeButton, this);
    close_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(path_);
    layout->addLayout(noteRow);
    layout->addLayout(buttons);
    setFixedSize(QSize(480, 230));

    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void Tcurrentdbfrm::setPath(const QString& path) {
    path_->setPlainText(path);
    close_->setFocus();
}

QString Tcurrentdbfrm::shownPath() const { return path_->toPlainText(); }

} // namespace vantrel::db
