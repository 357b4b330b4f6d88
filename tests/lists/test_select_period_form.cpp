// The "Entre deux dates" dialog: its days, the warning on a reversed span, and the days
// remembered for the next time.
#include "lists/select_period_form.h"
#include "support/memory_registry.h"
#include "support/scripted_prompts.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vantrel;
using namespace vantrel::lists;
using vantrel::platform::Store;
using vantrel::testing::MemoryRegistry;
using vantrel::testing::PromptKind;
using vantrel::testing::ScriptedPrompts;

namespace {

const QDate today(2026, 12, 10);

QString stored(const MemoryRegistry& registry, const char* name) {
    return registry.readString(Store::User, QStringLiteral("SelectPeriod"),
                               QString::fromLatin1(name));
}

} // namespace

class SelectPeriodFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout();
    void startsFromRemembered_data();
    void startsFromRemembered();
    void ok_data();
    void ok();
    void closingRemembers();
};

void SelectPeriodFormTest::layout() {
    ScriptedPrompts prompts;
    MemoryRegistry registry;
    TSelectPeriodForm form(prompts, registry, today);
    QCOMPARE(form.windowTitle(), QStringLiteral("Sélection de période"));
    QVERIFY(form.windowFlags().testFlag(Qt::Tool));
    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{"Début :", "Fin :"}));
    QCOMPARE(form.okButton()->text(), QStringLiteral("OK"));
    QVERIFY(form.okButton()->isDefault());
    for (const QDateEdit* picker : {form.begindate(), form.enddate()}) {
        QVERIFY(picker->calendarPopup());
        QCOMPARE(picker->text(), QStringLiteral("10/12/2026"));
    }
}

void SelectPeriodFormTest::startsFromRemembered_data() {
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QDate>("shownBegin");
    QTest::addColumn<QDate>("shownEnd");
    QTest::newRow("nothing remembered") << QString() << QString() << today << today;
    QTest::newRow("both remembered") << "01/11/2026"
                                     << "15/11/2026" << QDate(2026, 11, 1) << QDate(2026, 11, 15);
    QTest::newRow("only the start") << "01/11/2026" << QString() << QDate(2026, 11, 1) << today;
    QTest::newRow("a value that is no date keeps today") << "hier"
                                                         << "31/02/2026" << today << today;
}

void SelectPeriodFormTest::startsFromRemembered() {
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(QDate, shownBegin);
    QFETCH(QDate, shownEnd);
    ScriptedPrompts prompts;
    MemoryRegistry registry;
    if (!begin.isNull())
        registry.write(Store::User, QStringLiteral("SelectPeriod"),
                       QStringLiteral("begindate_Date"), begin);
    if (!end.isNull())
        registry.write(Store::User, QStringLiteral("SelectPeriod"), QStringLiteral("enddate_Date"),
                       end);
    TSelectPeriodForm form(prompts, registry, today);
    QCOMPARE(form.span().begin, shownBegin);
    QCOMPARE(form.span().end, shownEnd);
}

void SelectPeriodFormTest::ok_data() {
    QTest::addColumn<QDate>("begin");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("warned");
    QTest::newRow("ordered span") << QDate(2026, 12, 1) << QDate(2026, 12, 5) << false;
    QTest::newRow("one day") << QDate(2026, 12, 5) << QDate(2026, 12, 5) << false;
    QTest::newRow("end before start") << QDate(2026, 12, 5) << QDate(2026, 12, 1) << true;
}

void SelectPeriodFormTest::ok() {
    QFETCH(QDate, begin);
    QFETCH(QDate, end);
    QFETCH(bool, warned);
    ScriptedPrompts prompts;
    if (warned)
        prompts.expect(PromptKind::Information);
    MemoryRegistry registry;
    TSelectPeriodForm form(prompts, registry, today);
    form.show();
    form.begindate()->setDate(begin);
    form.enddate()->setDate(end);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QVERIFY(prompts.allAnswered());
    QCOMPARE(prompts.texts(),
             warned
                 ? QList<QString>{"La date de fin sélectionnée est inférieure à la date de début."}
                 : QList<QString>{});
    // It closes all the same; a reversed span then matches no day.
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.span().contains(begin), !warned);
    QCOMPARE(stored(registry, "begindate_Date"), begin.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(stored(registry, "enddate_Date"), end.toString(QStringLiteral("dd/MM/yyyy")));
}

void SelectPeriodFormTest::closingRemembers() {
    // Closed without OK (Escape): no check, but the days are remembered all the same,
    // and the next dialog starts from them.
    ScriptedPrompts prompts;
    MemoryRegistry registry;
    {
        TSelectPeriodForm form(prompts, registry, today);
        form.show();
        form.begindate()->setDate(QDate(2026, 12, 20));
        form.enddate()->setDate(QDate(2026, 12, 2));
        form.reject();
    }
    QCOMPARE(stored(registry, "begindate_Date"), QStringLiteral("20/12/2026"));
    QCOMPARE(stored(registry, "enddate_Date"), QStringLiteral("02/12/2026"));
    TSelectPeriodForm next(prompts, registry, QDate(2027, 1, 5));
    QCOMPARE(next.span().begin, QDate(2026, 12, 20));
    QCOMPARE(next.span().end, QDate(2026, 12, 2));
    QVERIFY(prompts.shown.isEmpty());
}

QTEST_MAIN(SelectPeriodFormTest)
#include "test_select_period_form.moc"
