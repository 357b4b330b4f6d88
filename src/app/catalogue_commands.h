#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace vantrel::catalogue {
class Tcustform;
class TArtForm;
class TVatHintForm;
class Tcusthintform;
} // namespace vantrel::catalogue

namespace vantrel::app {

class TMainForm;

// The catalogue's windows, made once and reused by every command that shows them.
struct CatalogueWindows {
    catalogue::Tcustform* customer;
    catalogue::TArtForm* article;
    catalogue::TVatHintForm* vatPick;
    catalogue::Tcusthintform* customerPick;
};

// Plugs New and Modify of "Clients" and "Articles" and Delete of every folder.
CatalogueWindows installCatalogueCommands(TMainForm& window);

// The VAT pick list under `anchor`, its list in the caller's tint, offering the rates
// last loaded with the settings; the chosen rate, if any.
std::optional<QString> pickVatRate(TMainForm& window, catalogue::TVatHintForm& pick, QWidget* anchor,
                                   const QColor& tint);

} // namespace vantrel::app
