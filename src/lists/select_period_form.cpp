#include "lists/select_period_form.h"

#include "core/date_text.h"
#include "core/error.h"
#include "lists/messages.h"
#include "platform/prompts.h"
#include "platform/registry.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vantrel::lists {
namespace {

const QString group = QStringLiteral("SelectPeriod");
const QString beginName = QStringLiteral("begindate_Date");
const QString endName = QStringLiteral("enddate_Date");

QDateEdit* datePicker(const QDate& today, QWidget* parent) {
    auto* picker = new QDateEdit(today, parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return picker;
}

// A remembered day replaces today; a value that is not a date keeps today.
void restore(QDateEdit& picker, const platform::Registry& registry, const QString& name) {
    const std::optional<QString> stored = registry.read(platform::Store::User, group, name);
    if (!stored)
        return;
    try {
        if (const std::optional<QDate> day = readDateText(*stored))
            picker.setDate(*day);
    } catch (const ConversionError&) {
    }
}

} // namespace

TSelectPeriodForm::TSelectPeriodForm(platform::Prompts& prompts, platform::Registry& registry,
                                     const QDate& today, QWidget* parent)
    : QDialog(parent, Qt::Tool), prompts_(prompts), registry_(registry),
      begin_(datePicker(today, this)), end_(datePicker(today, this)),
      ok_(new QPushButton(messages::okButton, this)) {
    setObjectName(QStringLiteral("SelectPeriodForm"));
    setWindowTitle(messages::selectPeriodTitle);
    begin_->setObjectName(QStringLiteral("begindate"));
    end_->setObjectName(QStringLiteral("enddate"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(messages::beginLabel, this), 0, 0);
    grid->addWidget(begin_, 0, 1);
    grid->addWidget(new QLabel(messages::endLabel, this), 1, 0);
    grid->addWidget(end_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    grid->addLayout(buttons, 2, 0, 1, 2);

    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] {
        // The dialog closes all the same: the span then matches no document.
        if (end_->date() < begin_->date())
            prompts_.information(messages::endBeforeBegin);
        accept();
    });

    restore(*begin_, registry_, beginName);
    restore(*end_, registry_, endName);
}

DateSpan TSelectPeriodForm::span() const {
    return {begin_->date(), end_->date()};
}

void TSelectPeriodForm::done(int result) {
    registry_.write(platform::Store::User, group, beginName, dateText(begin_->date()));
    registry_.write(platform::Store::User, group, endName, dateText(end_->date()));
    QDialog::done(result);
}

} // namespace vantrel::lists
