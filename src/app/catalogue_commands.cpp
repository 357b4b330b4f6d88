// The customer and article commands of the main window, and the deletion of the
// selected row in every folder.
#include "app/catalogue_commands.h"

#include "app/main_form.h"
#include "catalogue/account_numbers.h"
#include "catalogue/art_form.h"
#include "catalogue/cust_form.h"
#include "catalogue/cust_hint_form.h"
#include "catalogue/vat_hint_form.h"
#include "documents/deletion.h"
#include "platform/command_guard.h"

namespace vantrel::app {

namespace {

// Puts the rows read back after a save into the main list: added, or in place of the
// edited row.
void showSavedRows(TMainForm& window, const QList<lists::ListRow>& rows, int editedRow) {
    for (const lists::ListRow& row : rows) {
        if (editedRow >= 0)
            window.listModel().updateRow(editedRow, row);
        else
            window.listModel().appendRow(row);
    }
}

void newcust(TMainForm& window, catalogue::Tcustform& form) {
    const platform::Platform& p = window.platform();
    platform::guardCommand(p.prompts, [&] {
        form.prepareNew(catalogue::getnew_custnum(window.dqd));
        if (p.modal.runModal(form) != QDialog::Accepted)
            return;
        const catalogue::Customer customer = form.customer();
        catalogue::insertCustomer(window.dqd, customer);
        showSavedRows(window, catalogue::customerListRows(window.dqd, customer.account), -1);
    });
}

void modifycustomer(TMainForm& window, catalogue::Tcustform& form) {
    const int row = window.selectedRow();
    if (row < 0)
        return;
    const QString oldAccount = window.listModel().key(row);
    const platform::Platform& p = window.platform();
    platform::guardCommand(p.prompts, [&] {
        const std::optional<catalogue::Customer> stored = catalogue::readCustomer(window.dqd, oldAccount);
        if (!stored)
            return;
        form.prepareModify(*stored);
        if (p.modal.runModal(form) != QDialog::Accepted)
            return;
        const catalogue::Customer customer = form.customer();
        catalogue::updateCustomer(window.dqd, customer, oldAccount);
        showSavedRows(window, catalogue::customerListRows(window.dqd, customer.account), row);
    });
}

void newarticle(TMainForm& window, catalogue::TArtForm& form) {
    const platform::Platform& p = window.platform();
    platform::guardCommand(p.prompts, [&] {
        const int number = catalogue::getnew_artnum(window.dqd);
        window.currentSettings = settings::loadsettings(window.dqd);
        form.setMoneyFormat(window.money);
        form.prepareNew(number, window.currentSettings.rate1);
        if (p.modal.runModal(form) != QDialog::Accepted)
            return;
        const catalogue::Article article = form.article();
        catalogue::insertArticle(window.dqd, article);
        showSavedRows(window, catalogue::articleListRows(window.dqd, article.code), -1);
    });
}

void modifyarticle(TMainForm& window, catalogue::TArtForm& form) {
    const int row = window.selectedRow();
    if (row < 0)
        return;
    const QString oldCode = window.listModel().key(row);
    const platform::Platform& p = window.platform();
    platform::guardCommand(p.prompts, [&] {
        const std::optional<catalogue::Article> stored = catalogue::readArticle(window.dqd, oldCode);
        if (!stored)
            return;
        form.setMoneyFormat(window.money);
        form.prepareModify(*stored);
        if (p.modal.runModal(form) != QDialog::Accepted)
            return;
        const catalogue::Article article = form.article();
        catalogue::updateArticle(window.dqd, article, oldCode);
        showSavedRows(window, catalogue::articleListRows(window.dqd, article.code), row);
    });
}

void DelFactClick(TMainForm& window, lists::Folder folder) {
    const int row = window.selectedRow();
    if (row < 0 || window.listModel().rowCount() == 0)
        return;
    const platform::Platform& p = window.platform();
    if (p.prompts.question(documents::deletionQuestion(folder), platform::QuestionButtons::YesNo,
                           platform::QuestionKind::Warning) == platform::Answer::No)
        return;
    platform::guardCommand(p.prompts, [&] {
        documents::deleteByKey(window.dqd, folder, window.listModel().key(row));
        window.listModel().removeListRow(row);
    });
    window.blvSelectItem();
}

} // namespace

std::optional<QString> pickVatRate(TMainForm& window, catalogue::TVatHintForm& pick, QWidget* anchor,
                                   const QColor& tint) {
    pick.fill(window.currentSettings.rate1, window.currentSettings.rate2);
    pick.setListColour(tint);
    pick.placeBelow(anchor);
    window.platform().modal.runModal(pick);
    if (const std::optional<QStringList> row = pick.chosen())
        return row->value(1);
    return std::nullopt;
}

CatalogueWindows installCatalogueCommands(TMainForm& window) {
    const platform::Platform& p = window.platform();
    CatalogueWindows windows{new catalogue::Tcustform(window.dqd, p.prompts, &window),
                             new catalogue::TArtForm(window.dqd, p.prompts, &window),
                             new catalogue::TVatHintForm(&window), new catalogue::Tcusthintform(window.dqd, &window)};

    using lists::Folder;
    window.routes.plug(Folder::Customers, Command::New, [&window, windows] { newcust(window, *windows.customer); });
    window.routes.plug(Folder::Customers, Command::Modify,
                       [&window, windows] { modifycustomer(window, *windows.customer); });
    window.routes.plug(Folder::Articles, Command::New, [&window, windows] { newarticle(window, *windows.article); });
    window.routes.plug(Folder::Articles, Command::Modify,
                       [&window, windows] { modifyarticle(window, *windows.article); });
    for (Folder folder : {Folder::Quotes, Folder::Invoices, Folder::Customers, Folder::Articles})
        window.routes.plug(folder, Command::Delete, [&window, folder] { DelFactClick(window, folder); });

    windows.article->pickVat = [&window, windows](QWidget* anchor, const QColor& tint) {
        return pickVatRate(window, *windows.vatPick, anchor, tint);
    };
    return windows;
}

} // namespace vantrel::app
