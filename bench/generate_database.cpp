// Writes a large company file in the stored forms: 100 000 invoices of 5 items,
// 50 000 quotes, 100 000 customers and 20 000 articles. Deterministic, so that every
// run of the benchmarks reads the same data.
#include "core/date_text.h"
#include "core/flags.h"
#include "core/line_items.h"
#include "core/money.h"
#include "db/connection.h"
#include "db/schema.h"
#include "platform/prompts.h"

#include <QStringList>
#include <cstdio>
#include <random>
#include <sqlite3.h>

using namespace vantrel;

namespace {

// A new file asks nothing; any prompt would be a fault of the generator.
class NoPrompts : public platform::Prompts {
public:
    void warning(const QString& text) override { fail(text); }
    void error(const QString& text) override { fail(text); }
    void information(const QString& text) override { fail(text); }
    platform::Answer question(const QString& text, platform::QuestionButtons, platform::QuestionKind) override {
        fail(text);
        return platform::Answer::Cancel;
    }
    std::optional<QString> openFile(const platform::FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFile(const platform::FileDialogRequest&) override { return {}; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
    bool printerSetup(QPrinter&) override { return false; }

private:
    [[noreturn]] static void fail(const QString& text) {
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(text));
        std::exit(1);
    }
};

class Insert {
public:
    Insert(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
            die();
    }
    ~Insert() { sqlite3_finalize(stmt_); }
    void run(const QStringList& values) {
        QList<QByteArray> utf8;
        utf8.reserve(values.size());
        for (const QString& v : values)
            utf8.append(v.toUtf8());
        for (int i = 0; i < utf8.size(); ++i)
            sqlite3_bind_text(stmt_, i + 1, utf8[i].constData(), int(utf8[i].size()),
                              SQLITE_TRANSIENT);
        if (sqlite3_step(stmt_) != SQLITE_DONE)
            die();
        sqlite3_reset(stmt_);
    }

private:
    [[noreturn]] void die() const {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db_));
        std::exit(1);
    }
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

const QStringList surnames = {
    QStringLiteral("Dupont"),   QStringLiteral("Durand"),    QStringLiteral("Martin"),
    QStringLiteral("Bernard"),  QStringLiteral("Dupuis"),    QStringLiteral("Lefèvre"),
    QStringLiteral("Moreau"),   QStringLiteral("Girard"),    QStringLiteral("Roux"),
    QStringLiteral("Fournier"), QStringLiteral("Mercier"),   QStringLiteral("Blanc"),
    QStringLiteral("Garnier"),  QStringLiteral("Chevalier"), QStringLiteral("Faure"),
    QStringLiteral("André"),    QStringLiteral("Lambert"),   QStringLiteral("Bonnet"),
    QStringLiteral("François"), QStringLiteral("Leroy"),
};
const QStringList forms = {
    QStringLiteral("%1"),
    QStringLiteral("%1 SA"),
    QStringLiteral("Maison %1"),
    QStringLiteral("SARL %1 et Fils"),
    QStringLiteral("Menuiserie %1"),
    QStringLiteral("%1 Bâtiment"),
};
const QStringList towns = {
    QStringLiteral("69003 Lyon"),      QStringLiteral("75011 Paris"),
    QStringLiteral("13001 Marseille"), QStringLiteral("33000 Bordeaux"),
    QStringLiteral("59000 Lille"),     QStringLiteral("44000 Nantes"),
};
const QStringList words = {
    QStringLiteral("Porte"),         QStringLiteral("Fenêtre"),  QStringLiteral("Volet"),
    QStringLiteral("Parquet chêne"), QStringLiteral("Escalier"), QStringLiteral("Placard"),
    QStringLiteral("Pose"),          QStringLiteral("Vernis"),   QStringLiteral("Plinthe"),
    QStringLiteral("Tablette"),
};
const QStringList rates = {QStringLiteral("20,00"), QStringLiteral("10,00"),
                           QStringLiteral("5,50")};

std::mt19937 randomness(20261210);
int pick(int n) {
    return int(randomness() % unsigned(n));
}
template <typename T> const T& pickFrom(const QList<T>& list) {
    return list[pick(int(list.size()))];
}

QString name() {
    return pickFrom(forms).arg(pickFrom(surnames));
}
QString address() {
    return QStringLiteral("%1 rue des %2\r\n%3")
        .arg(pick(200) + 1)
        .arg(pickFrom(words), pickFrom(towns));
}
QString telephone() {
    return QStringLiteral("04 %1 %2 %3 %4")
        .arg(pick(90) + 10)
        .arg(pick(90) + 10)
        .arg(pick(90) + 10)
        .arg(pick(90) + 10);
}
QString day() {
    return dateText(QDate(2024, 1, 1).addDays(pick(3 * 365)));
}

const MoneyFormat money = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));

QList<LineItem> items(int count) {
    QList<LineItem> list;
    for (int i = 0; i < count; ++i) {
        const long double price = (pick(50000) + 100) / 100.0L;
        list.append(
            makeLineItem(QStringLiteral("ART%1").arg(pick(20000) + 1, 5, 10, QLatin1Char('0')),
                         pickFrom(words) + QStringLiteral(" sur mesure"),
                         QString::number(pick(9) + 1), price, pickFrom(rates), money));
    }
    return list;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_database <file>\n");
        return 2;
    }
    db::Connection dqd;
    dqd.create(QString::fromLocal8Bit(argv[1]));
    dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
    db::set_db_version(dqd, db::currentVersion);
    NoPrompts prompts;
    db::Create_Tables(dqd, prompts);

    db::Transaction transaction(dqd);
    sqlite3* db = dqd.handle();
    {
        Insert invoice(db, "INSERT INTO Invoices15 VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?);");
        for (int n = 1; n <= 100000; ++n) {
            const QList<LineItem> lines = items(5);
            invoice.run({QString::number(n), name(), address(), day(), telephone(), QString(),
                         QStringLiteral("contact@example.fr"), flagWord(pick(2)), flagWord(pick(2)),
                         flagWord(pick(2)), QStringLiteral("Merci de votre confiance"), QString(),
                         writeLineItems(lines), getcurstring(storedTotal(lines), money)});
        }
        Insert quote(db, "INSERT INTO Quotes15 VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?);");
        for (int n = 1; n <= 50000; ++n) {
            const QList<LineItem> lines = items(5);
            quote.run({QString::number(n), name(), address(), day(), telephone(), QString(),
                       QStringLiteral("contact@example.fr"), flagWord(pick(2)), flagWord(pick(2)),
                       QStringLiteral("Devis valable 30 jours"), QString(), writeLineItems(lines),
                       getcurstring(storedTotal(lines), money)});
        }
        Insert customer(db, "INSERT INTO Customers15 VALUES (?,?,?,?,?,?,?);");
        // Inserted out of key order, so that the list's ORDER BY has work to do.
        for (int i = 0; i < 100000; ++i) {
            const int account = int((i * 7919L) % 100000) + 1;
            customer.run({QStringLiteral("CL%1").arg(account), name(), address(), telephone(),
                          QString(), QStringLiteral("contact@example.fr"), QString()});
        }
        Insert article(db, "INSERT INTO Articles15 VALUES (?,?,?,?,?);");
        for (int i = 0; i < 20000; ++i) {
            const int code = int((i * 7919L) % 20000) + 1;
            article.run({QStringLiteral("ART%1").arg(code, 5, 10, QLatin1Char('0')),
                         pickFrom(words) + QStringLiteral(" modèle ") + QString::number(pick(1000)),
                         getcurstring((pick(50000) + 100) / 100.0L, money),
                         QString::number(pick(500)), pickFrom(rates)});
        }
    }
    transaction.commit();
    return 0;
}
