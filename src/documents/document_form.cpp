#include "documents/document_form.h"

#include "core/date_text.h"
#include "core/numbers.h"
#include "documents/messages.h"
#include "documents/numbering.h"
#include "platform/command_guard.h"
#include "platform/dialog_parts.h"
#include "platform/memo_text.h"
#include "platform/number_box.h"
#include "platform/prompts.h"

#include <optional>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantrel::documents {

namespace {

constexpr int textLimit = 250;

struct ItemColumn {
    const char* caption;
    int width;
    Qt::Alignment alignment;
};
// The rate travels with each line in a column of width 0.
const ItemColumn itemColumns[] = {{"Code", 70, Qt::AlignLeft},         {"Déscription", 230, Qt::AlignLeft},
                                  {"Quant.", 50, Qt::AlignRight},       {"Prix unit.", 85, Qt::AlignRight},
                                  {"Net", 85, Qt::AlignRight},          {"+TVA", 85, Qt::AlignRight},
                                  {"TVA %", 0, Qt::AlignRight}};

QTreeWidgetItem* itemRow(const LineItem& item) {
    auto* row = new QTreeWidgetItem(item.fields());
    for (int c = 0; c < lineItemFieldCount; ++c)
        row->setTextAlignment(c, itemColumns[c].alignment | Qt::AlignVCenter);
    return row;
}

} // namespace

TDocumentForm::TDocumentForm(db::Connection& dqd, platform::Prompts& prompts, const QString& caption,
                             const QString& numberLabel, const QColor& tint, const QStringList& bottomSuggestions,
                             QWidget* parent)
    : QDialog(parent), dqd_(dqd), prompts_(prompts), tint_(tint) {
    setWindowTitle(caption);
    setModal(true);

    num_ = new platform::NumberBox(0, 1, std::nullopt, this);
    num_->setFixedWidth(120);
    customer_ = new QLineEdit(this);
    customer_->setMaxLength(textLimit);
    QFont bold = customer_->font();
    bold.setBold(true);
    customer_->setFont(bold);
    customerButton_ = new QToolButton(this);
    customerButton_->setText(QStringLiteral("..."));
    address_ = new QPlainTextEdit(this);
    address_->setLineWrapMode(QPlainTextEdit::NoWrap);
    address_->setTabChangesFocus(true);
    address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 3 + 14);
    platform::limitLines(*address_, 3);
    date_ = new QDateEdit(this);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    tel_ = new QLineEdit(this);
    fax_ = new QLineEdit(this);
    email_ = new QLineEdit(this);
    for (QLineEdit* e : {tel_, fax_, email_})
        e->setMaxLength(textLimit);
    bottom_ = new QComboBox(this);
    bottom_->setEditable(true);
    bottom_->addItems(bottomSuggestions);
    bottom_->lineEdit()->setMaxLength(textLimit);
    bottom_->setInsertPolicy(QComboBox::NoInsert);
    printed_ = new QCheckBox(this);
    notes_ = new QPlainTextEdit(this);
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 3 + 14);

    items_ = new QTreeWidget(this);
    items_->setRootIsDecorated(false);
    items_->setUniformRowHeights(true);
    items_->setSelectionBehavior(QAbstractItemView::SelectRows);
    items_->setSelectionMode(QAbstractItemView::SingleSelection);
    items_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    items_->setAlternatingRowColors(true);
    items_->setColumnCount(lineItemFieldCount);
    QStringList captions;
    for (const ItemColumn& c : itemColumns)
        captions << QString::fromUtf8(c.caption);
    items_->setHeaderLabels(captions);
    for (int c = 0; c < lineItemFieldCount; ++c) {
        items_->setColumnWidth(c, itemColumns[c].width);
        items_->headerItem()->setTextAlignment(c, itemColumns[c].alignment | Qt::AlignVCenter);
    }
    items_->header()->setStretchLastSection(false);
    items_->header()->setMinimumSectionSize(0);
    items_->setMinimumHeight(200);

    for (QWidget* f : {static_cast<QWidget*>(customer_), static_cast<QWidget*>(address_),
                       static_cast<QWidget*>(date_), static_cast<QWidget*>(tel_), static_cast<QWidget*>(fax_),
                       static_cast<QWidget*>(email_), static_cast<QWidget*>(bottom_), static_cast<QWidget*>(notes_)})
        platform::paintField(*f, tint);
    num_->setFieldColour(tint);

    add_ = new QPushButton(QStringLiteral("Ajouter"), this);
    change_ = new QPushButton(QStringLiteral("Modifier"), this);
    remove_ = new QPushButton(QStringLiteral("Supprimer"), this);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("&Annuler"), this);
    for (QPushButton* b : {add_, change_, remove_, cancel_})
        b->setAutoDefault(false);
    ok_->setDefault(true);

    bottomLeft_ = new QLabel(this);

    // Two columns of fields above the items: who the document is for on the left,
    // number, date and contact on the right.
    auto* grid = new QGridLayout;
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    grid->addWidget(label(numberLabel), 0, 0);
    grid->addWidget(num_, 0, 1, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("Date :")), 0, 2);
    grid->addWidget(date_, 0, 3, Qt::AlignLeft);
    auto* customerRow = new QHBoxLayout;
    customerRow->addWidget(customer_);
    customerRow->addWidget(customerButton_);
    grid->addWidget(label(QStringLiteral("Client/Entr. :")), 1, 0);
    grid->addLayout(customerRow, 1, 1);
    grid->addWidget(label(QStringLiteral("Tel :")), 1, 2);
    grid->addWidget(tel_, 1, 3);
    grid->addWidget(label(QStringLiteral("Adresse :")), 2, 0, Qt::AlignTop);
    grid->addWidget(address_, 2, 1, 3, 1);
    grid->addWidget(label(QStringLiteral("Fax :")), 2, 2);
    grid->addWidget(fax_, 2, 3);
    grid->addWidget(label(QStringLiteral("Email :")), 3, 2);
    grid->addWidget(email_, 3, 3);
    flagsRow_ = new QWidget(this);
    auto* flags = new QHBoxLayout(flagsRow_);
    flags->setContentsMargins(0, 0, 0, 0);
    flags->addWidget(printed_);
    grid->addWidget(flagsRow_, 4, 3);
    grid->addWidget(label(QStringLiteral("Ligne de bas :")), 5, 0);
    grid->addWidget(bottom_, 5, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Notes :")), 6, 0, Qt::AlignTop);
    grid->addWidget(notes_, 6, 1, 1, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);

    auto* itemButtons = new QHBoxLayout;
    itemButtons->addWidget(add_);
    itemButtons->addWidget(change_);
    itemButtons->addWidget(remove_);
    itemButtons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bottomLeft_);
    bottom->addStretch(1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(items_, 1);
    layout->addLayout(itemButtons);
    layout->addLayout(bottom);
    setFixedSize(QSize(760, 640));

    connect(ok_, &QPushButton::clicked, this, &TDocumentForm::OkbtnClick);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, &TDocumentForm::addItem);
    connect(change_, &QPushButton::clicked, this, &TDocumentForm::changeItem);
    connect(items_, &QTreeWidget::itemDoubleClicked, this, &TDocumentForm::changeItem);
    connect(remove_, &QPushButton::clicked, this, &TDocumentForm::removeItem);
    connect(customerButton_, &QToolButton::clicked, this, &TDocumentForm::customerPick);
}

void TDocumentForm::addFlags(const QList<QCheckBox*>& flags) {
    for (QCheckBox* flag : flags)
        flagsRow_->layout()->addWidget(flag);
}

void TDocumentForm::prepareNew(int number, const QDate& today) {
    Document empty;
    empty.num = QString::number(number);
    empty.date = dateText(today);
    fill(empty);
}

void TDocumentForm::fill(const Document& d) {
    num_->setText(d.num);
    customer_->setText(d.customer);
    platform::showStoredText(*address_, d.address);
    if (const std::optional<QDate> day = readDateText(d.date))
        date_->setDate(*day);
    tel_->setText(d.tel);
    fax_->setText(d.fax);
    email_->setText(d.email);
    bottom_->setCurrentText(d.bottom);
    printed_->setChecked(d.printed);
    readFlags(d);
    platform::showStoredText(*notes_, d.notes);
    setItems(d.items);
}

Document TDocumentForm::document() const {
    Document d;
    d.num = num_->text();
    d.customer = customer_->text();
    d.address = platform::storedText(*address_);
    d.date = dateText(date_->date());
    d.tel = tel_->text();
    d.fax = fax_->text();
    d.email = email_->text();
    d.printed = printed_->isChecked();
    writeFlags(d);
    d.bottom = bottom_->currentText();
    d.notes = platform::storedText(*notes_);
    d.items = items();
    return d;
}

QList<LineItem> TDocumentForm::items() const {
    QList<LineItem> lines;
    for (int i = 0; i < items_->topLevelItemCount(); ++i) {
        QStringList fields;
        for (int c = 0; c < lineItemFieldCount; ++c)
            fields << items_->topLevelItem(i)->text(c);
        lines << LineItem::fromFields(fields);
    }
    return lines;
}

void TDocumentForm::setItems(const QList<LineItem>& lines) {
    items_->clear();
    for (const LineItem& line : lines)
        items_->addTopLevelItem(itemRow(line));
}

void TDocumentForm::addItem() {
    if (!editItem)
        return;
    if (const std::optional<LineItem> line = editItem(std::nullopt))
        items_->addTopLevelItem(itemRow(*line));
}

void TDocumentForm::changeItem() {
    QTreeWidgetItem* selected = items_->currentItem();
    if (!editItem || !selected || !selected->isSelected())
        return;
    QStringList fields;
    for (int c = 0; c < lineItemFieldCount; ++c)
        fields << selected->text(c);
    if (const std::optional<LineItem> line = editItem(LineItem::fromFields(fields))) {
        const QStringList changed = line->fields();
        for (int c = 0; c < lineItemFieldCount; ++c)
            selected->setText(c, changed[c]);
    }
}

void TDocumentForm::removeItem() {
    QTreeWidgetItem* selected = items_->currentItem();
    if (selected && selected->isSelected())
        delete selected;
}

void TDocumentForm::customerPick() {
    if (!pickCustomer)
        return;
    if (const std::optional<catalogue::Contact> contact = pickCustomer(customer_, tint_)) {
        customer_->setText(contact->name);
        platform::showStoredText(*address_, contact->address);
        tel_->setText(contact->tel);
        fax_->setText(contact->fax);
        email_->setText(contact->email);
    }
}

void TDocumentForm::OkbtnClick() {
    setResult(QDialog::Rejected);
    // A number that is not a whole number shows its conversion message; the dialog stays.
    bool accepted = false;
    if (!platform::guardCommand(prompts_, [&] { accepted = numberAccepted(); }) || !accepted)
        return;
    ok_->setFocus();
    num_->canonicalize();
    accept();
}

void TDocumentForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ok_->setFocus();
}

TInvForm::TInvForm(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent)
    : TDocumentForm(dqd, prompts, QStringLiteral("Facture"), QStringLiteral("N° Fact. :"), invoiceTint,
                    {QStringLiteral("Signature du client"),
                     QStringLiteral("Délai maximum de X jours pour le paiement. Merci."),
                     QStringLiteral("Paiement reçu avec remerciements")},
                    parent) {
    ecprinted()->setText(QStringLiteral("Imprimée"));
    sent_ = new QCheckBox(QStringLiteral("Envoyée"), this);
    paid_ = new QCheckBox(QStringLiteral("Payée"), this);
    addFlags({sent_, paid_});
    bottomLeft_->setText(messages::transferLabel);
    QFont large = bottomLeft_->font();
    large.setPixelSize(23);
    large.setBold(true);
    bottomLeft_->setFont(large);
    bottomLeft_->setStyleSheet(QStringLiteral("color: rgb(255, 40, 40);"));
    bottomLeft_->hide();
}

void TInvForm::readFlags(const Document& d) {
    sent_->setChecked(d.sent);
    paid_->setChecked(d.paidOrInvoiced);
}

void TInvForm::writeFlags(Document& d) const {
    d.sent = sent_->isChecked();
    d.paidOrInvoiced = paid_->isChecked();
}

bool TInvForm::numberAccepted() {
    if (modifying && toInteger(ednum()->text()) == rowtomodify)
        return true;
    if (!there_is_like_num(dqd_, ednum()->text()))
        return true;
    prompts_.warning(modifying ? messages::invoiceNumberUsedOnModify : messages::invoiceNumberUsedOnNew);
    return false;
}

Tquoteform::Tquoteform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent)
    : TDocumentForm(dqd, prompts, QStringLiteral("Devis"), QStringLiteral("N° Devis :"), quoteTint,
                    {QStringLiteral("Ce devis a une durée de X jours")}, parent) {
    ecprinted()->setText(QStringLiteral("Imprimé"));
    invoiced_ = new QCheckBox(QStringLiteral("Facturé"), this);
    addFlags({invoiced_});
    bottomLeft_->hide();
}

void Tquoteform::readFlags(const Document& d) { invoiced_->setChecked(d.paidOrInvoiced); }

void Tquoteform::writeFlags(Document& d) const { d.paidOrInvoiced = invoiced_->isChecked(); }

bool Tquoteform::numberAccepted() {
    if (quote_modifying && toInteger(ednum()->text()) == selectedQuoteNumber)
        return true;
    if (!there_is_like_quote(dqd_, ednum()->text()))
        return true;
    prompts_.warning(messages::quoteNumberUsed);
    return false;
}

} // namespace vantrel::documents
