// The invoice and quote commands of the main window: new, modify, the transfer of a
// quote into an invoice and the payment marking.
#include "app/document_commands.h"

#include "app/main_form.h"
#include "catalogue/cust_hint_form.h"
#include "core/date_text.h"
#include "core/error.h"
#include "core/numbers.h"
#include "db/schema.h"
#include "documents/add_article_form.h"
#include "documents/document_form.h"
#include "documents/hint_form.h"
#include "documents/messages.h"
#include "documents/numbering.h"
#include "platform/command_guard.h"

#include <QLabel>

namespace vantrel::app {

namespace {

using documents::Document;
using documents::DocumentKind;
using lists::Folder;

enum class SaveMode { New, Modify, Transfer };

// After a new document: the customer typed in joins the catalogue when the user wants.
void offerCustomer(TMainForm& window, const Document& document) {
    const QString name = document.customer.trimmed();
    if (name.isEmpty() || documents::custexists_in_base(window.dqd, name))
        return;
    if (window.platform().prompts.question(documents::messages::addCustomer) != platform::Answer::Yes)
        return;
    documents::addCustomerFromDocument(window.dqd, document);
}

// Brings the list row of a saved document up to date: added, rewritten, or removed
// when the document no longer belongs in the list. Returns whether the refresh
// statement found the row.
bool refreshList(TMainForm& window, DocumentKind kind, const QString& num, int editedRow) {
    bool found = false;
    const std::optional<lists::ListRow> row =
        documents::refreshedListRow(window.dqd, kind, num, window.documentChoices(), window.money, &found);
    if (editedRow >= 0) {
        if (row)
            window.listModel().updateRow(editedRow, *row);
        else
            window.listModel().removeListRow(editedRow);
        window.blvSelectItem();
    } else if (row) {
        window.listModel().appendRow(*row);
    }
    return found;
}

class DocumentCommands {
public:
    DocumentCommands(TMainForm& window, const CatalogueWindows& catalogue, const DocumentWindows& windows)
        : window_(window), catalogue_(catalogue), windows_(windows) {}

    void connectForms() {
        for (documents::TDocumentForm* form :
             {static_cast<documents::TDocumentForm*>(windows_.invoice),
              static_cast<documents::TDocumentForm*>(windows_.quote)}) {
            form->editItem = [this, form](const std::optional<LineItem>& existing) { return editItem(*form, existing); };
            form->pickCustomer = [this](QWidget* anchor, const QColor& tint) { return pickCustomer(anchor, tint); };
        }
        windows_.lineItem->pickArticle = [this](QWidget* anchor, const QColor& tint) { return pickArticle(anchor, tint); };
        windows_.lineItem->pickVat = [this](QWidget* anchor, const QColor& tint) {
            return pickVatRate(window_, *catalogue_.vatPick, anchor, tint);
        };
    }

    void pmnewinvClick() {
        guard([&] {
            windows_.invoice->modifying = false;
            windows_.invoice->prepareNew(documents::getnewnum(window_.dqd), window_.platform().clock.today());
            runInvoice(SaveMode::New, -1, QString(), QString());
        });
    }

    void tbmodifyClick() {
        const int row = window_.selectedRow();
        if (row < 0)
            return;
        const QString num = window_.listModel().key(row);
        guard([&] {
            documents::TInvForm& form = *windows_.invoice;
            form.modifying = true;
            form.rowtomodify = toInteger(num);
            const std::optional<Document> stored = documents::readDocument(window_.dqd, DocumentKind::Invoice, num);
            if (!stored)
                return;
            form.fill(*stored);
            runInvoice(SaveMode::Modify, row, num, QString());
        });
    }

    void newquote() {
        guard([&] {
            documents::Tquoteform& form = *windows_.quote;
            form.quote_modifying = false;
            form.prepareNew(documents::getnewnum_quotes(window_.dqd), window_.platform().clock.today());
            if (window_.platform().modal.runModal(form) != QDialog::Accepted)
                return;
            const Document document = form.document();
            documents::insertDocument(window_.dqd, DocumentKind::Quote, document, window_.money);
            if (refreshList(window_, DocumentKind::Quote, document.num, -1))
                offerCustomer(window_, document);
        });
    }

    void modifyquote() {
        const int row = window_.selectedRow();
        if (row < 0)
            return;
        const QString num = window_.listModel().key(row);
        guard([&] {
            documents::Tquoteform& form = *windows_.quote;
            form.selectedQuoteNumber = toInteger(num);
            form.quote_modifying = true;
            const std::optional<Document> stored = documents::readDocument(window_.dqd, DocumentKind::Quote, num);
            if (!stored)
                return;
            form.fill(*stored);
            if (window_.platform().modal.runModal(form) != QDialog::Accepted)
                return;
            const Document document = form.document();
            documents::updateDocument(window_.dqd, DocumentKind::Quote, document, num, window_.money);
            refreshList(window_, DocumentKind::Quote, document.num, row);
        });
    }

    void BUCONVERTClick() {
        const int row = window_.selectedRow();
        if (row < 0)
            return;
        const QString quoteNum = window_.listModel().key(row);
        documents::TInvForm& form = *windows_.invoice;
        guard([&] {
            if (documents::quoteInvoicedFlag(window_.dqd, quoteNum) == QLatin1String("Oui")) {
                window_.platform().prompts.warning(documents::messages::quoteAlreadyInvoiced);
                return;
            }
            const std::optional<Document> quote = documents::readDocument(window_.dqd, DocumentKind::Quote, quoteNum);
            if (!quote)
                return;
            Document invoice;
            invoice.num = QString::number(documents::getnewnum(window_.dqd));
            invoice.customer = quote->customer;
            invoice.address = quote->address;
            // Dated today, unless the quote had no date (the field then keeps its own).
            if (!quote->date.trimmed().isEmpty())
                invoice.date = dateText(window_.platform().clock.today());
            invoice.tel = quote->tel;
            invoice.fax = quote->fax;
            invoice.email = quote->email;
            invoice.bottom = quote->bottom;
            invoice.notes = quote->notes;
            invoice.items = quote->items; // their stored texts, not recomputed
            form.modifying = false;
            form.fill(invoice);
            form.convertlab()->show();
            if (runInvoice(SaveMode::Transfer, -1, QString(), quoteNum)) {
                lists::ListRow cells = window_.listModel().rowAt(row);
                cells[4] = QStringLiteral("Oui");
                window_.listModel().updateRow(row, cells);
            }
        });
        form.convertlab()->hide();
    }

    void markaspaidClick() {
        const int row = window_.selectedRow();
        if (row < 0)
            return;
        const QString num = window_.listModel().key(row);
        // This command reports no error: a failed reading goes on to the marking, a
        // failed marking ends it silently.
        try {
            if (documents::invoicePaidFlag(window_.dqd, num) == QLatin1String("Oui")) {
                window_.platform().prompts.warning(documents::messages::alreadyPaid);
                return;
            }
        } catch (const Error&) {
        }
        try {
            documents::markInvoicePaid(window_.dqd, num);
        } catch (const Error&) {
            return;
        }
        lists::ListRow cells = window_.listModel().rowAt(row);
        cells[4] = QStringLiteral("Oui");
        window_.listModel().updateRow(row, cells);
        window_.platform().prompts.information(documents::messages::markedPaid);
    }

private:
    template <typename Command>
    void guard(Command&& command) {
        platform::guardCommand(window_.platform().prompts, std::forward<Command>(command));
    }

    // Shows the invoice dialog as prepared and saves on OK; true when saved.
    bool runInvoice(SaveMode mode, int editedRow, const QString& oldNum, const QString& quoteNum) {
        documents::TInvForm& form = *windows_.invoice;
        if (window_.platform().modal.runModal(form) != QDialog::Accepted)
            return false;
        const Document document = form.document();
        if (mode == SaveMode::Modify)
            documents::updateDocument(window_.dqd, DocumentKind::Invoice, document, oldNum, window_.money);
        else
            documents::insertDocument(window_.dqd, DocumentKind::Invoice, document, window_.money);
        if (mode == SaveMode::New)
            offerCustomer(window_, document);
        if (mode == SaveMode::Transfer)
            documents::markQuoteInvoiced(window_.dqd, quoteNum);
        if (window_.lastLoadedFolder() == Folder::Invoices)
            refreshList(window_, DocumentKind::Invoice, document.num, editedRow);
        return true;
    }

    std::optional<LineItem> editItem(documents::TDocumentForm& form, const std::optional<LineItem>& existing) {
        documents::TAddArticleform& dialog = *windows_.lineItem;
        std::optional<LineItem> line;
        guard([&] {
            dialog.setTint(form.tint());
            dialog.setMoneyFormat(window_.money);
            if (existing)
                dialog.prepareChange(*existing);
            else
                dialog.prepareAdd(db::getvatrate(window_.dqd));
            if (window_.platform().modal.runModal(dialog) == QDialog::Accepted)
                line = dialog.lineItem(window_.money);
        });
        return line;
    }

    std::optional<QString> pickArticle(QWidget* anchor, const QColor& tint) {
        documents::THintform& pick = *windows_.articlePick;
        std::optional<QString> code;
        guard([&] {
            pick.fill();
            pick.setListColour(tint);
            pick.placeBelow(anchor);
            window_.platform().modal.runModal(pick);
            if (const std::optional<QStringList> row = pick.chosen())
                code = row->value(0);
        });
        return code;
    }

    std::optional<catalogue::Contact> pickCustomer(QWidget* anchor, const QColor& tint) {
        catalogue::Tcusthintform& pick = *catalogue_.customerPick;
        std::optional<catalogue::Contact> contact;
        guard([&] {
            pick.fill();
            pick.setListColour(tint);
            pick.placeBelow(anchor);
            window_.platform().modal.runModal(pick);
            if (const std::optional<QStringList> row = pick.chosen())
                contact = catalogue::readContact(window_.dqd, row->value(0));
        });
        return contact;
    }

    TMainForm& window_;
    CatalogueWindows catalogue_;
    DocumentWindows windows_;
};

} // namespace

DocumentWindows installDocumentCommands(TMainForm& window, const CatalogueWindows& catalogue) {
    const platform::Platform& p = window.platform();
    DocumentWindows windows{new documents::TInvForm(window.dqd, p.prompts, &window),
                            new documents::Tquoteform(window.dqd, p.prompts, &window),
                            new documents::TAddArticleform(window.dqd, p.prompts, &window),
                            new documents::THintform(window.dqd, &window)};
    // The commands live as long as the window; their dialogs are its children.
    auto* commands = new DocumentCommands(window, catalogue, windows);
    QObject::connect(&window, &QObject::destroyed, [commands] { delete commands; });
    commands->connectForms();

    window.routes.plug(Folder::Invoices, Command::New, [commands] { commands->pmnewinvClick(); });
    window.routes.plug(Folder::Invoices, Command::Modify, [commands] { commands->tbmodifyClick(); });
    window.routes.plug(Folder::Quotes, Command::New, [commands] { commands->newquote(); });
    window.routes.plug(Folder::Quotes, Command::Modify, [commands] { commands->modifyquote(); });
    window.routes.plug(Folder::Quotes, Command::Transfer, [commands] { commands->BUCONVERTClick(); });
    window.routes.plug(Folder::Invoices, Command::MarkPaid, [commands] { commands->markaspaidClick(); });
    return windows;
}

} // namespace vantrel::app
