#pragma once

#include "app/catalogue_commands.h"

namespace vantrel::documents {
class TInvForm;
class Tquoteform;
class TAddArticleform;
class THintform;
} // namespace vantrel::documents

namespace vantrel::app {

class TMainForm;

struct DocumentWindows {
    documents::TInvForm* invoice;
    documents::Tquoteform* quote;
    documents::TAddArticleform* lineItem;
    documents::THintform* articlePick;
};

// Plugs New and Modify of "Devis" and "Factures", the quote transfer and the payment
// marking.
DocumentWindows installDocumentCommands(TMainForm& window, const CatalogueWindows& catalogue);

} // namespace vantrel::app
