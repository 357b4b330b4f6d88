#include "documents/add_article_form.h"

#include "core/numbers.h"
#include "documents/article_lookup.h"
#include "platform/command_guard.h"
#include "platform/dialog_parts.h"
#include "platform/money_field.h"
#include "platform/number_box.h"

#include <optional>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantrel::documents {

namespace {
QToolButton* dotsButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(QStringLiteral("..."));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

TAddArticleform::TAddArticleform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), dqd_(dqd), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Article"));
    setModal(true);

    code_ = new QLineEdit(this);
    codeButton_ = dotsButton(this);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(code_);
    codeRow->addWidget(codeButton_);
    description_ = new QLineEdit(this);
    price_ = new platform::MoneyField(this);
    price_->setFixedWidth(130);
    auto* priceRow = platform::fieldRow(price_);
    vat_ = new platform::NumberBox(2, 0, std::nullopt, this);
    vat_->setFixedWidth(110);
    vatButton_ = dotsButton(this);
    auto* vatRow = platform::fieldRow(vat_, new QLabel(QStringLiteral("%"), this), vatButton_);
    quantity_ = new platform::NumberBox(0, 1, std::nullopt, this);
    quantity_->setFixedWidth(110);
    auto* quantityRow = platform::fieldRow(quantity_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Code :"), codeRow);
    form->addRow(QStringLiteral("Description :"), description_);
    form->addRow(QStringLiteral("Prix HT :"), priceRow);
    form->addRow(QStringLiteral("Taux de TVA :"), vatRow);
    form->addRow(QStringLiteral("Quantité :"), quantityRow);

    const platform::OkCancel buttons = platform::addOkCancel(*this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    platform::layOutFormDialog(*this, form, buttons, 480);

    connect(code_, &QLineEdit::textChanged, this, &TAddArticleform::edcodeChange);
    connect(codeButton_, &QToolButton::clicked, this, [this] {
        if (!pickArticle)
            return;
        if (const std::optional<QString> code = pickArticle(code_, tint_)) {
            if (*code == code_->text())
                edcodeChange(); // the same code chosen again still fills from the catalogue
            else
                code_->setText(*code);
        }
    });
    connect(vatButton_, &QToolButton::clicked, this, [this] {
        if (!pickVat)
            return;
        if (const std::optional<QString> rate = pickVat(vatButton_, tint_))
            vat_->setText(*rate);
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        // Leaving the field being edited gives it its final form before it is read.
        ok_->setFocus();
        vat_->canonicalize();
        quantity_->canonicalize();
        accept();
    });
}

void TAddArticleform::setMoneyFormat(const MoneyFormat& format) { price_->setMoneyFormat(format.decimals, format.symbol); }

void TAddArticleform::setTint(const QColor& tint) {
    tint_ = tint;
    for (QWidget* field : {static_cast<QWidget*>(code_), static_cast<QWidget*>(description_),
                           static_cast<QWidget*>(price_)})
        platform::paintField(*field, tint);
    vat_->setFieldColour(tint);
    quantity_->setFieldColour(tint);
}

void TAddArticleform::edcodeChange() {
    platform::guardCommand(prompts_, [this] {
        if (const std::optional<catalogue::Article> article = lookupArticle(dqd_, code_->text())) {
            description_->setText(article->description);
            price_->setAmountText(getcurvalue(article->price));
            vat_->setText(article->vat);
        }
    });
}

void TAddArticleform::prepareAdd(const QString& rate) {
    code_->setText(QString());
    edcodeChange(); // an unchanged empty code is looked up as well
    description_->clear();
    quantity_->setText(QStringLiteral("1"));
    price_->setAmountText(QStringLiteral("0"));
    vat_->setText(rate);
}

void TAddArticleform::prepareChange(const LineItem& item) {
    if (code_->text() == item.code)
        edcodeChange();
    else
        code_->setText(item.code);
    description_->setText(item.description);
    quantity_->setText(item.quantity);
    price_->setAmountText(getcurvalue(item.unitPrice));
    vat_->setText(item.rate);
}

LineItem TAddArticleform::lineItem(const MoneyFormat& format) const {
    bool ok = false;
    const long double price = price_->amount(&ok);
    if (!ok)
        throwNotAFloat(price_->amountText());
    return makeLineItem(code_->text(), description_->text(), quantity_->text(), price, vat_->text(), format);
}

void TAddArticleform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    code_->setFocus();
}

} // namespace vantrel::documents
