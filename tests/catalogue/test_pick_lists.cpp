// The customer and VAT pick lists: what they offer, how the search narrows it, and
// what choosing a row gives back.
#include "catalogue/cust_hint_form.h"
#include "catalogue/customers.h"
#include "catalogue/vat_hint_form.h"
#include "db/connection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using namespace vantrel::catalogue;

class PickListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    db::Connection dqd;

    QStringList names(const PickWindow& pick) {
        QStringList shown;
        for (int r = 0; r < pick.PicksView()->rowCount(); ++r)
            shown << pick.PicksView()->item(r, 1)->text();
        return shown;
    }

private Q_SLOTS:
    void initTestCase() {
        dqd.create(dir.filePath(QStringLiteral("picks.vtdb")));
        dqd.exec(QStringLiteral(
            "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"
            "INSERT INTO Customers15 VALUES ('CL003','DUPONT SA','1 place Haute','01','02','d@sa.fr','n');"
            "INSERT INTO Customers15 VALUES ('cl001','Dupont','','','','','');"
            "INSERT INTO Customers15 VALUES ('CL002','Élise Martin','','','','','');"
            "INSERT INTO Customers15 VALUES ('CL010','ÉLISE','','','','','');"
            "INSERT INTO Customers15 VALUES ('CL100','Durand','','','','','');"));
    }

    void customerSearch_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nothing") << "" << QStringList{"Dupont", "Élise Martin", "DUPONT SA", "ÉLISE", "Durand"};
        QTest::newRow("dupont") << "dupont" << QStringList{"Dupont", "DUPONT SA"};
        QTest::newRow("blanks around") << "  dup " << QStringList{"Dupont", "DUPONT SA"};
        // Only A to Z are folded: a small é never meets a capital É.
        QTest::newRow("élise") << "élise" << QStringList{};
        QTest::newRow("ÉLISE") << "ÉLISE" << QStringList{"Élise Martin", "ÉLISE"};
        QTest::newRow("blanks only") << "   " << QStringList{"Dupont", "Élise Martin", "DUPONT SA", "ÉLISE", "Durand"};
        QTest::newRow("an account is not a name") << "CL003" << QStringList{};
    }

    void customerSearch() {
        QFETCH(QString, search);
        QFETCH(QStringList, shown);
        Tcusthintform pick(dqd);
        pick.fill();
        pick.show(); // showing empties the search field
        QVERIFY(pick.nameedit()->text().isEmpty());
        pick.nameedit()->setText(search);
        QCOMPARE(names(pick), shown);
        QCOMPARE(pick.PicksView()->horizontalHeaderItem(0)->text(), QStringLiteral("Compte No"));
        QCOMPARE(pick.PicksView()->columnWidth(1), 260);
        pick.hide();
    }

    void choosingARowClosesWithIt() {
        Tcusthintform pick(dqd);
        pick.fill();
        pick.show();
        pick.nameedit()->setText(QStringLiteral("SA"));
        QTest::mouseClick(pick.PicksView()->viewport(), Qt::LeftButton, {},
                          pick.PicksView()->visualItemRect(pick.PicksView()->item(0, 1)).center());
        QVERIFY(!pick.isVisible());
        QCOMPARE(pick.result(), int(QDialog::Accepted));
        QCOMPARE(pick.chosen().value(), (QStringList{"CL003", "DUPONT SA"}));
        const std::optional<Contact> contact = readContact(dqd, QStringLiteral("CL003"));
        QVERIFY(contact);
        QCOMPARE(contact->address, QStringLiteral("1 place Haute"));
        QCOMPARE(contact->email, QStringLiteral("d@sa.fr"));

        pick.show(); // a new showing forgets the earlier choice
        QVERIFY(!pick.chosen());
        pick.closeButton()->click();
        QVERIFY(!pick.chosen());
    }

    void vatRatesAlwaysOfferExemption() {
        TVatHintForm pick;
        pick.fill(QStringLiteral("20,00"), QStringLiteral("5,50"));
        QCOMPARE(pick.PicksView()->rowCount(), 3);
        QCOMPARE(pick.PicksView()->item(2, 0)->text(), QStringLiteral("Exonéré"));
        QCOMPARE(pick.PicksView()->item(2, 1)->text(), QStringLiteral("0,00"));
        QCOMPARE(pick.PicksView()->item(1, 1)->text(), QStringLiteral("5,50"));
        QVERIFY(!pick.searchField());
        pick.show();
        pick.chooseRow(2);
        QCOMPARE(pick.chosen()->value(1), QStringLiteral("0,00"));
    }

    void placedUnderItsField() {
        QWidget caller;
        auto* field = new QLineEdit(&caller);
        field->setGeometry(30, 40, 200, 24);
        caller.move(100, 100);
        caller.show();
        TVatHintForm pick;
        pick.placeBelow(field);
        QCOMPARE(pick.pos(), field->mapToGlobal(QPoint(0, 24)));
    }
};

QTEST_MAIN(PickListsTest)
#include "test_pick_lists.moc"
