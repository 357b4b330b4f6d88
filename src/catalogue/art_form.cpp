#include "catalogue/art_form.h"

#include "catalogue/account_numbers.h"
#include "catalogue/messages.h"
#include "core/money.h"
#include "core/numbers.h"
#include "platform/money_field.h"
#include "platform/number_box.h"
#include "platform/command_guard.h"
#include "platform/dialog_parts.h"
#include "platform/prompts.h"

#include <optional>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantrel::catalogue {

TArtForm::TArtForm(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), dqd_(dqd), prompts_(prompts) {
    setWindowTitle(messages::articleCaption);
    setModal(true);

    code_ = new platform::NumberBox(0, 1, std::nullopt, this);
    code_->setFixedWidth(110);
    auto* codeRow = platform::fieldRow(new QLabel(QStringLiteral("ART"), this), code_);

    description_ = new QLineEdit(this);
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);
    price_ = new platform::MoneyField(this);
    price_->setFixedWidth(130);
    stock_ = new platform::NumberBox(0, 1, std::nullopt, this);
    stock_->setFixedWidth(110);
    vat_ = new platform::NumberBox(2, 0, std::nullopt, this);
    vat_->setFixedWidth(110);
    vatButton_ = new QToolButton(this);
    vatButton_->setText(QStringLiteral("..."));
    auto* vatRow = platform::fieldRow(vat_, new QLabel(QStringLiteral("%"), this), vatButton_);
    auto* priceRow = platform::fieldRow(price_);
    auto* stockRow = platform::fieldRow(stock_);

    for (platform::NumberBox* f : {code_, stock_, vat_})
        f->setFieldColour(fieldColour);
    platform::paintField(*description_, fieldColour);
    platform::paintField(*price_, fieldColour);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Code :"), codeRow);
    form->addRow(QStringLiteral("Description :"), description_);
    form->addRow(QStringLiteral("Prix :"), priceRow);
    form->addRow(QStringLiteral("En stock :"), stockRow);
    form->addRow(QStringLiteral("Taux TVA :"), vatRow);

    const platform::OkCancel buttons = platform::addOkCancel(*this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    platform::layOutFormDialog(*this, form, buttons, 460);

    connect(ok_, &QPushButton::clicked, this, &TArtForm::OkbtnClick);
    connect(vatButton_, &QToolButton::clicked, this, &TArtForm::Button1Click);
}

void TArtForm::setMoneyFormat(const MoneyFormat& format) { price_->setMoneyFormat(format.decimals, format.symbol); }

void TArtForm::prepareNew(int number, const QString& rate1) {
    art_modifying = false;
    editedCode.clear();
    code_->setText(QString::number(number));
    description_->clear();
    price_->setAmountText(QStringLiteral("0"));
    stock_->setText(QStringLiteral("1"));
    vat_->setText(rate1);
    vat_->canonicalize(); // shown with two decimals
    ok_->setFocus();
}

void TArtForm::prepareModify(const Article& a) {
    art_modifying = true;
    editedCode = a.code;
    code_->setText(QString::number(getartnum_from_code(a.code)));
    description_->setText(a.description);
    price_->setAmountText(getcurvalue(a.price));
    stock_->setText(a.quantity);
    vat_->setText(a.vat);
    ok_->setFocus();
}

Article TArtForm::article() const {
    return {getcode_from_artnum(code_->text()), description_->text(), price_->moneyText(), stock_->text(),
            vat_->text()};
}

bool TArtForm::numberAccepted() {
    if (art_modifying && toInteger(code_->text()) == getartnum_from_code(editedCode))
        return true;
    if (there_is_like_art(dqd_, code_->text())) {
        prompts_.warning(messages::articleNumberUsed);
        return false;
    }
    return true;
}

void TArtForm::OkbtnClick() {
    // A number that is not a whole number shows its conversion message; the dialog stays.
    bool accepted = false;
    if (!platform::guardCommand(prompts_, [&] { accepted = numberAccepted(); }) || !accepted)
        return;
    // Leaving the field being edited writes it in its final form (the price as money
    // text, the numbers in canonical form) before the values are read.
    ok_->setFocus();
    for (platform::NumberBox* f : {code_, stock_, vat_})
        f->canonicalize();
    accept();
}

void TArtForm::Button1Click() {
    if (!pickVat)
        return;
    if (const std::optional<QString> rate = pickVat(vatButton_, fieldColour))
        vat_->setText(*rate);
}

} // namespace vantrel::catalogue
