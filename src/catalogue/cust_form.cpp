#include "catalogue/cust_form.h"

#include "catalogue/account_numbers.h"
#include "catalogue/messages.h"
#include "core/numbers.h"
#include "platform/memo_text.h"
#include "platform/number_box.h"
#include "platform/command_guard.h"
#include "platform/dialog_parts.h"
#include "platform/prompts.h"

#include <optional>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::catalogue {

namespace {
const QColor fieldColour(244, 230, 157);
constexpr int textLimit = 250;
} // namespace

Tcustform::Tcustform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), dqd_(dqd), prompts_(prompts) {
    setWindowTitle(messages::customerCaption);
    setModal(true);

    account_ = new platform::NumberBox(0, 1, std::nullopt, this);
    account_->setFixedWidth(110);
    account_->setFieldColour(fieldColour);
    auto* accountRow = platform::fieldRow(new QLabel(QStringLiteral("CL"), this), account_);

    auto line = [this] {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(textLimit);
        platform::paintField(*edit, fieldColour);
        return edit;
    };
    name_ = line();
    QFont bold = name_->font();
    bold.setBold(true);
    name_->setFont(bold);
    address_ = new QPlainTextEdit(this);
    address_->setLineWrapMode(QPlainTextEdit::NoWrap);
    address_->setTabChangesFocus(true);
    address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 3 + 14);
    platform::limitLines(*address_, 3);
    platform::paintField(*address_, fieldColour);
    tel_ = line();
    fax_ = line();
    email_ = line();
    notes_ = new QPlainTextEdit(this);
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 14);
    platform::paintField(*notes_, fieldColour);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Compte No :"), accountRow);
    form->addRow(QStringLiteral("Client/Entr. :"), name_);
    form->addRow(QStringLiteral("Adresse :"), address_);
    form->addRow(QStringLiteral("Tel :"), tel_);
    form->addRow(QStringLiteral("Fax :"), fax_);
    form->addRow(QStringLiteral("Email :"), email_);
    form->addRow(QStringLiteral("Notes Client :"), notes_);

    const platform::OkCancel buttons = platform::addOkCancel(*this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    platform::layOutFormDialog(*this, form, buttons, 430);

    connect(ok_, &QPushButton::clicked, this, &Tcustform::OkbtnClick);
}

void Tcustform::prepareNew(int number) {
    cust_modifying = false;
    editedAccount.clear();
    account_->setText(QString::number(number));
    for (QLineEdit* e : {name_, tel_, fax_, email_})
        e->clear();
    address_->clear();
    notes_->clear();
    ok_->setFocus();
}

void Tcustform::prepareModify(const Customer& c) {
    cust_modifying = true;
    editedAccount = c.account;
    account_->setText(QString::number(getcustnum_from_account(c.account)));
    name_->setText(c.name);
    platform::showStoredText(*address_, c.address);
    tel_->setText(c.tel);
    fax_->setText(c.fax);
    email_->setText(c.email);
    platform::showStoredText(*notes_, c.notes);
    ok_->setFocus();
}

Customer Tcustform::customer() const {
    return {getaccount_from_custnum(account_->text()), name_->text(), trimStored(platform::storedText(*address_)),
            tel_->text(), fax_->text(), email_->text(), platform::storedText(*notes_)};
}

bool Tcustform::numberAccepted() {
    if (cust_modifying && toInteger(account_->text()) == getcustnum_from_account(editedAccount))
        return true;
    if (there_is_like_cust(dqd_, account_->text())) {
        prompts_.warning(messages::customerNumberUsed);
        return false;
    }
    return true;
}

void Tcustform::OkbtnClick() {
    // A number that is not a whole number shows its conversion message; the dialog stays.
    bool accepted = false;
    if (!platform::guardCommand(prompts_, [&] { accepted = numberAccepted(); }) || !accepted)
        return;
    // The number is written in its plain form, however it was typed (007 is 7).
    account_->canonicalize();
    accept();
}

} // namespace vantrel::catalogue
