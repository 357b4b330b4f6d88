#pragma once

#include "lists/periods.h"

#include <QDialog>

class QDateEdit;
class QPushButton;

namespace vantrel::platform {
class Prompts;
class Registry;
} // namespace vantrel::platform

namespace vantrel::lists {

// "Sélection de période": the start and end days of "Entre deux dates". Both start as
// today, then the remembered days (group "SelectPeriod", values begindate_Date and
// enddate_Date) replace them; they are remembered again whenever the dialog closes.
class TSelectPeriodForm : public QDialog {
    Q_OBJECT
public:
    TSelectPeriodForm(platform::Prompts& prompts, platform::Registry& registry, const QDate& today,
                      QWidget* parent = nullptr);

    DateSpan span() const;
    QDateEdit* begindate() const { return begin_; }
    QDateEdit* enddate() const { return end_; }
    QPushButton* okButton() const { return ok_; }
    void done(int result) override;

private:
    platform::Prompts& prompts_;
    platform::Registry& registry_;
    QDateEdit* begin_;
    QDateEdit* end_;
    QPushButton* ok_;
};

} // namespace vantrel::lists
