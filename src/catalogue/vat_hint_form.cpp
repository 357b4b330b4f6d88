#include "catalogue/vat_hint_form.h"

namespace vantrel::catalogue {

TVatHintForm::TVatHintForm(QWidget* parent) : PickWindow(QString(), QStringLiteral("Ferme"), parent) {}

void TVatHintForm::fill(const QString& rate1, const QString& rate2) {
    setColumns({QStringLiteral("Taux"), QStringLiteral("Valeur(%)")}, {90, 90});
    setRows({{QStringLiteral("Taux 1"), rate1}, {QStringLiteral("Taux 2"), rate2},
             {QStringLiteral("Exonéré"), QStringLiteral("0,00")}});
}

} // namespace vantrel::catalogue
