#pragma once

// A company file with the current tables and the documents, company details, legal
// line and footer a test puts in it, for the layout and export tests.
#include "core/sql_quote.h"
#include "db/connection.h"
#include "db/schema.h"
#include "support/company_file.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

namespace vantrel::testing {

// One document line as the dialogs store it: seven fields, each followed by CR LF.
inline QString storedItem(const QString& code, const QString& description, const QString& quantity,
                          const QString& unit, const QString& net, const QString& rate) {
    return QStringList{code, description, quantity, unit, net, QStringLiteral("0,00 €"), rate}.join(
               QStringLiteral("\r\n")) +
           QStringLiteral("\r\n");
}

// n lines: "R1" ... "Rn", each of net i,00 € at 20 %.
inline QString numberedItems(int n) {
    QString block;
    for (int i = 1; i <= n; ++i) {
        const QString money = QString::number(i) + QStringLiteral(",00 €");
        block += storedItem(QStringLiteral("R%1").arg(i),
                            QStringLiteral("Ligne n°%1 — pose et réglage").arg(i),
                            QStringLiteral("1"), money, money, QStringLiteral("20,00"));
    }
    return block;
}

// A logo in the colours of a joinery, drawn here so that no picture file is needed.
inline QImage sampleLogo(int width = 240, int height = 96) {
    QImage logo(width, height, QImage::Format_ARGB32);
    logo.fill(QColor(0x7a, 0x4b, 0x22));
    QPainter p(&logo);
    p.fillRect(QRect(8, 8, width - 16, height - 16), QColor(0xf3, 0xe6, 0xd0));
    p.fillRect(QRect(20, height / 2 - 6, width - 40, 12), QColor(0x7a, 0x4b, 0x22));
    return logo;
}

class DocumentFile : public CompanyFileBase {
public:
    DocumentFile() : CompanyFileBase(QStringLiteral("documents.vtdb")) {}

    void invoice(const QString& num, const QString& customer, const QString& address,
                 const QString& articles, const QString& bottom = {},
                 const QString& dat = QStringLiteral("05/03/2021"), const QString& email = {}) {
        insert(QStringLiteral("Invoices15"),
               {"Num", "Customer", "Address", "Dat", "Tel", "Fax", "Email", "Printed", "Sent",
                "Paid", "Bottom", "Notes", "Articles", "Total"},
               {num, customer, address, dat, QString(), QString(), email, QStringLiteral("Non"),
                QStringLiteral("Non"), QStringLiteral("Non"), bottom, QString(), articles,
                QStringLiteral("0,00 €")});
    }

    void quote(const QString& num, const QString& customer, const QString& address,
               const QString& articles, const QString& bottom = {},
               const QString& dat = QStringLiteral("05/03/2021"), const QString& email = {}) {
        insert(QStringLiteral("Quotes15"),
               {"Num", "Customer", "Address", "Dat", "Tel", "Fax", "Email", "Printed", "Invoiced",
                "Bottom", "Notes", "Articles", "Total"},
               {num, customer, address, dat, QString(), QString(), email, QStringLiteral("Non"),
                QStringLiteral("Non"), bottom, QString(), articles, QStringLiteral("0,00 €")});
    }

    void company(const QString& name, const QString& address, const QString& telephone,
                 const QString& fax, const QString& email,
                 const QString& currency = QStringLiteral("€"),
                 const QString& decimals = QStringLiteral("2")) {
        dqd.exec(QStringLiteral("DELETE FROM Settings15;"));
        insert(QStringLiteral("Settings15"),
               {"Nom", "Adresse", "Email", "Telephone", "Fax", "Siteweb", "Monnaie", "Taux", "Logo",
                "Decimals", "Taux2"},
               {name, address, email, telephone, fax, QString(), currency, QStringLiteral("20,00"),
                QString(), decimals, QStringLiteral("5,50")});
    }

    void legal(const QString& flag, const QString& siret, const QString& naf, const QString& rcs,
               const QString& tva) {
        dqd.exec(QStringLiteral("DELETE FROM Informations20;"));
        insert(QStringLiteral("Informations20"),
               {"Include_infos_check", "Siret", "Rcs", "Naf", "Tvaintra"},
               {flag, siret, rcs, naf, tva});
    }

    void footer(const QString& flag, const QString& text) {
        dqd.exec(QStringLiteral("DELETE FROM Footer25;"));
        insert(QStringLiteral("Footer25"), {"Include_footer_check", "Footer_text"}, {flag, text});
    }

    // A joinery with every block filled: address on three lines, fax, legal line and a
    // footer of two lines.
    void fullCompany() {
        company(QStringLiteral("Menuiserie Lefèvre & Fils"),
                QStringLiteral("12, rue des Ébénistes\r\nZone artisanale du Bois-Joli\r\n69400 "
                               "Villefranche-sur-Saône"),
                QStringLiteral("04 74 65 32 10"), QStringLiteral("04 74 65 32 11"),
                QStringLiteral("contact@menuiserie-lefevre.fr"));
        legal(QStringLiteral("True"), QStringLiteral("512 345 678 00021"), QStringLiteral("1623Z"),
              QStringLiteral("Villefranche B 512 345 678"), QStringLiteral("FR 41 512345678"));
        footer(
            QStringLiteral("True"),
            QStringLiteral(
                "Paiement à 30 jours fin de mois. Pas d'escompte pour paiement anticipé.\r\n"
                "Pénalités de retard : trois fois le taux d'intérêt légal ; indemnité forfaitaire "
                "pour frais de recouvrement : 40 €."));
    }

};

} // namespace vantrel::testing
