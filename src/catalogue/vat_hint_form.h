#pragma once

#include "catalogue/pick_window.h"

namespace vantrel::catalogue {

// The VAT pick list: the company's two rates and "Exonéré" at 0,00.
class TVatHintForm : public PickWindow {
    Q_OBJECT
public:
    explicit TVatHintForm(QWidget* parent = nullptr);
    void fill(const QString& rate1, const QString& rate2);
};

} // namespace vantrel::catalogue
