// The settings dialog on its own: what it shows, its number fields, the enabled states
// and the logo tab's buttons.
#include "settings/logo.h"
#include "platform/number_box.h"
#include "settings/settings_form.h"
#include "support/scripted_prompts.h"

#include <QCheckBox>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using settings::CompanySettings;
using settings::TsettingsForm;
using testing::PromptKind;

namespace {

QStringList labelTexts(const QWidget& page) {
    QStringList texts;
    for (const QLabel* label : page.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QImage stripes(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    return picture;
}

// Qt reads Truevision pictures but does not write them: a 24-bit one made by hand, rows
// from the bottom as the format stores them by default, plain or run-length packed, with
// or without the footer of the format's second edition.
bool writeTga(const QString& path, const QImage& picture, bool packed, bool footer) {
    QByteArray bytes(18, '\0');
    bytes[2] = packed ? 10 : 2;
    bytes[12] = char(picture.width() & 0xFF);
    bytes[13] = char(picture.width() >> 8);
    bytes[14] = char(picture.height() & 0xFF);
    bytes[15] = char(picture.height() >> 8);
    bytes[16] = 24;
    for (int y = picture.height() - 1; y >= 0; --y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (packed)
                bytes.append(char(0)); // a raw run of one pixel
            bytes.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        }
    if (footer)
        bytes.append(QByteArray(8, '\0')).append("TRUEVISION-XFILE.").append('\0');
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class SettingsFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<testing::ScriptedPrompts> prompts;
    std::unique_ptr<TsettingsForm> form;

    void typeInto(QWidget* field, const QString& keys) {
        field->setFocus();
        QTest::keyClicks(field, keys);
    }

    // Ends the editing of a field as a user does, by moving to another field.
    void leave() { form->vbusinessname()->setFocus(); }

    void loadPicture(const QString& path) {
        prompts->expectFile(PromptKind::OpenFile, path);
        QTest::mouseClick(form->loadLogoButton(), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        prompts = std::make_unique<testing::ScriptedPrompts>();
        form = std::make_unique<TsettingsForm>(*prompts);
        form->showSettings(CompanySettings{});
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() {
        QVERIFY(prompts->allAnswered());
        form.reset();
    }

    void showsTheDefaultsOfANewDatabase() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Informations / Paramètres"));
        QStringList tabs;
        for (int i = 0; i < form->tabs()->count(); ++i)
            tabs << form->tabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{QStringLiteral("Coordonnées"), QStringLiteral("Monnaie/Taxes"),
                                    QStringLiteral("Logo"), QStringLiteral("Informations"),
                                    QStringLiteral("Pied-de-page")}));
        QCOMPARE(form->tabs()->currentIndex(), 0);
        QCOMPARE(form->okButton()->text(), QStringLiteral("&OK"));
        QCOMPARE(form->cancelButton()->text(), QStringLiteral("&Annuler"));
        QVERIFY(form->okButton()->isDefault());
        QVERIFY(form->okButton()->hasFocus());

        QVERIFY(form->vbusinessname()->text().isEmpty());
        QVERIFY(form->vaddress()->toPlainText().isEmpty());
        QCOMPARE(form->vcur()->text(), QStringLiteral("€"));
        QCOMPARE(form->vdecnum()->text(), QStringLiteral("2"));
        QCOMPARE(form->vvat()->text(), QStringLiteral("20,00"));
        QCOMPARE(form->vvat2()->text(), QStringLiteral("5,00"));
        QVERIFY(form->vlogo2()->picture().isNull());
        QVERIFY(!form->check()->isChecked());
        QVERIFY(!form->footerCheck()->isChecked());
        for (QWidget* field :
             {static_cast<QWidget*>(form->vsiret()), static_cast<QWidget*>(form->vrcs()),
              static_cast<QWidget*>(form->vnaf()), static_cast<QWidget*>(form->vtvaintra()),
              static_cast<QWidget*>(form->vfooter())})
            QVERIFY(!field->isEnabled());

        QCOMPARE(form->check()->text(),
                 QStringLiteral("Inclure les informations ci-dessous dans les documents "));
        QCOMPARE(form->footerCheck()->text(),
                 QStringLiteral("Inclure un pied de page dans les documents"));
        const QStringList money = labelTexts(*form->tabs()->widget(1));
        for (const QString& text :
             {QStringLiteral("Monnaie :"), QStringLiteral("Nombre de décimales :"),
              QStringLiteral("Liste des taux de TVA :"), QStringLiteral("TVA Taux 1 :"),
              QStringLiteral("TVA Taux 2 :"), QStringLiteral("Par défaut"), QStringLiteral("%"),
              QStringLiteral(
                  "(vous pourrez modifier à votre guise le taux de tva\nsur chaque article)")})
            QVERIFY2(money.contains(text), qPrintable(text));
        QVERIFY(labelTexts(*form->tabs()->widget(2))
                    .contains(QStringLiteral(
                        "Si le logo dépasse la taille correcte, il sera automatiquement \n"
                        "redimensionné.")));
        QVERIFY(labelTexts(*form->tabs()->widget(4))
                    .contains(QStringLiteral("(pour inclure par exemple d'autres mentions)")));
    }

    void fieldsGiveBackWhatTheyWereGiven() {
        CompanySettings s;
        s.businessName = QStringLiteral("L'Atelier");
        s.address = QStringLiteral("12 rue des Lilas\r\nBât. B\r\n69003 Lyon");
        s.rate1 = QStringLiteral("5,5"); // as an upgraded file stores it
        s.decimals = QStringLiteral("3");
        s.includeInfos = true;
        s.siret = QStringLiteral("123 456 789 00012");
        s.includeFooter = false;
        s.footerText = QStringLiteral("Escompte : néant\r\n\"Merci\"");
        form->showSettings(s);
        QVERIFY(form->vsiret()->isEnabled());
        QVERIFY(!form->vfooter()->isEnabled());
        QCOMPARE(form->vaddress()->blockCount(), 3);
        const CompanySettings read = form->fieldSettings();
        QCOMPARE(read.businessName, s.businessName);
        QCOMPARE(read.address, s.address);
        QCOMPARE(read.rate1, QStringLiteral("5,5"));
        QCOMPARE(read.decimals, QStringLiteral("3"));
        QCOMPARE(read.siret, s.siret);
        QCOMPARE(read.footerText, s.footerText);
        QVERIFY(!read.includeFooter);

        // Unchecking keeps the texts, only their fields are disabled.
        QTest::mouseClick(form->check(), Qt::LeftButton);
        QVERIFY(!form->vsiret()->isEnabled());
        QCOMPARE(form->fieldSettings().siret, s.siret);
        QTest::mouseClick(form->footerCheck(), Qt::LeftButton);
        QVERIFY(form->vfooter()->isEnabled());
    }

    void theAddressTakesThreeLines() {
        typeInto(form->vaddress(), QStringLiteral("un"));
        for (const QString& line :
             {QStringLiteral("deux"), QStringLiteral("trois"), QStringLiteral("quatre")}) {
            QTest::keyClick(form->vaddress(), Qt::Key_Return);
            QTest::keyClicks(form->vaddress(), line);
        }
        QCOMPARE(form->fieldSettings().address, QStringLiteral("un\r\ndeux\r\ntroisquatre"));
    }

    void numberFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("rate, full stop") << "vvat"
                                         << "19.6"
                                         << "19,6"
                                         << "19,60";
        QTest::newRow("rate, comma") << "vvat2"
                                     << "2,1"
                                     << "2,1"
                                     << "2,10";
        QTest::newRow("rate, letters refused") << "vvat"
                                               << "8a,5x"
                                               << "8,5"
                                               << "8,50";
        QTest::newRow("rate, two decimals") << "vvat"
                                            << "7,255"
                                            << "7,25"
                                            << "7,25";
        QTest::newRow("rate, no sign") << "vvat2"
                                       << "-3"
                                       << "3"
                                       << "3,00";
        QTest::newRow("rate, emptied") << "vvat"
                                       << ""
                                       << ""
                                       << "0,00";
        QTest::newRow("decimals, 3") << "vdecnum"
                                     << "3"
                                     << "3"
                                     << "3";
        QTest::newRow("decimals, 4 refused") << "vdecnum"
                                             << "4"
                                             << ""
                                             << "2";
        QTest::newRow("decimals, comma refused") << "vdecnum"
                                                 << "2.5"
                                                 << "2"
                                                 << "2";
    }

    void numberFields() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        auto* box = form->findChild<platform::NumberBox*>(field);
        QVERIFY(box);
        box->setText(QString());
        typeInto(box, keys);
        QCOMPARE(box->text(), typed);
        leave();
        QCOMPARE(box->text(), left);
    }

    void upAndDownStayInRange() {
        platform::NumberBox* decimals = form->vdecnum();
        decimals->stepBy(1);
        QCOMPARE(decimals->text(), QStringLiteral("3"));
        decimals->stepBy(1);
        QCOMPARE(decimals->text(), QStringLiteral("3"));
        decimals->stepBy(-5);
        QCOMPARE(decimals->text(), QStringLiteral("2"));
        form->vvat2()->setText(QStringLiteral("0,50"));
        form->vvat2()->setFocus();
        QTest::keyClick(form->vvat2(), Qt::Key_Down);
        QCOMPARE(form->vvat2()->text(), QStringLiteral("0,00"));
        QTest::keyClick(form->vvat2(), Qt::Key_Up);
        QTest::keyClick(form->vvat2(), Qt::Key_Up);
        QCOMPARE(form->vvat2()->text(), QStringLiteral("2,00"));
    }

    void loadsEachPictureKind_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("tga"); // 0: written by Qt; 1: with footer, 2: without, 3: packed
        for (const char* suffix : {"bmp", "jpg", "png", "tif"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix) << 0;
        QTest::newRow("tga") << "tga" << 1;
        QTest::newRow("tga, first edition") << "tga" << 2;
        QTest::newRow("tga, run-length packed") << "tga" << 3;
    }

    void loadsEachPictureKind() {
        QFETCH(QString, suffix);
        QFETCH(int, tga);
        const QString path = dir.filePath(QStringLiteral("logo%1.").arg(tga) + suffix);
        if (tga > 0) {
            QVERIFY(writeTga(path, stripes(600, 100), tga == 3, tga == 1));
        } else {
            QImageWriter writer(path);
            QVERIFY2(writer.write(stripes(600, 100)), qPrintable(writer.errorString()));
        }
        loadPicture(path);
        // 266 / 600 in single precision: 600 x 100 becomes 266 x 44.
        const QImage shown = form->vlogo2()->picture();
        QCOMPARE(shown.size(), QSize(266, 44));
        QVERIFY(qRed(shown.pixel(10, 20)) > 200 && qBlue(shown.pixel(10, 20)) < 50);
        QVERIFY(qBlue(shown.pixel(250, 20)) > 200 && qRed(shown.pixel(250, 20)) < 50);
        const platform::FileDialogRequest asked = prompts->shown.constLast().request;
        QVERIFY2(asked.filter.contains(QStringLiteral("*.") + suffix), qPrintable(asked.filter));
        QVERIFY(asked.filter.startsWith(QStringLiteral("Toutes les images|")));
    }

    void logoButtons() {
        const QString path = dir.filePath(QStringLiteral("couleur.png"));
        QVERIFY(stripes(532, 58).save(path));
        loadPicture(path);
        QCOMPARE(form->vlogo2()->picture().size(), QSize(266, 29));

        // A file that is no picture: the reader's message, and the picture stays.
        const QString text = dir.filePath(QStringLiteral("notes.png"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ceci n'est pas une image\n");
        file.close();
        prompts->expectFile(PromptKind::OpenFile, text).expect(PromptKind::Error);
        QTest::mouseClick(form->loadLogoButton(), Qt::LeftButton);
        QVERIFY(!prompts->shown.constLast().text.isEmpty());
        QCOMPARE(form->vlogo2()->picture().size(), QSize(266, 29));

        // A cancelled file dialog changes nothing either.
        prompts->expectFile(PromptKind::OpenFile, std::nullopt);
        QTest::mouseClick(form->loadLogoButton(), Qt::LeftButton);
        QCOMPARE(form->vlogo2()->picture().size(), QSize(266, 29));

        QTest::mouseClick(form->grayButton(), Qt::LeftButton);
        QCOMPARE(form->vlogo2()->picture().pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(form->vlogo2()->picture().pixel(265, 28), qRgb(255, 255, 255));
        QCOMPARE(form->fieldSettings().logo, form->vlogo2()->picture());

        QTest::mouseClick(form->removeLogoButton(), Qt::LeftButton);
        QVERIFY(form->vlogo2()->picture().isNull());
        QVERIFY(!settings::getlogotext(form->fieldSettings().logo)
                     .contains(QStringLiteral("Bitmap.Data")));
    }
};

QTEST_MAIN(SettingsFormTest)
#include "test_settings_form.moc"
