#include "app/first_use_form.h"

#include "app/messages.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vantrel::app {

TfirstUseInfoForm::TfirstUseInfoForm(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(messages::firstUseTitle);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(platform::screenLines(messages::firstUseText), this);
    text->setWordWrap(false);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);

    understood_ = new QCheckBox(messages::firstUseCheck, this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(understood_);
    bottom->addStretch(1);
    bottom->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    setFixedSize(layout->sizeHint() + QSize(24, 24));

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfirstUseInfoForm::mayClose() {
    if (understood_->isChecked())
        return true;
    prompts_.information(messages::firstUseRefusal);
    return false;
}

void TfirstUseInfoForm::done(int result) {
    // Escape, the button and the close box all end here.
    if (mayClose())
        QDialog::done(result);
}

void TfirstUseInfoForm::closeEvent(QCloseEvent* event) {
    // The close box: refused with the same message while the box is not ticked.
    if (understood_->isChecked()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    prompts_.information(messages::firstUseRefusal);
}

} // namespace vantrel::app
