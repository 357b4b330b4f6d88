#pragma once

#include "settings/company_settings.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vantrel::platform {
class NumberBox;
class Prompts;
}

namespace vantrel::settings {



// The logo area: the picture centred at its own size in 266 x 116 pixels, the dialog's
// background around it.
class LogoArea : public QWidget {
    Q_OBJECT
public:
    explicit LogoArea(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// "Informations / Paramètres": the company's details on five tabs. The dialog edits a
// copy: showSettings fills the fields from settings as loaded, fieldSettings gives back
// what the fields hold; nothing reaches the database unless the caller saves it, so
// "&Annuler" drops every edit. One dialog serves the whole run, and it opens again on
// the tab that was last shown.
class TsettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit TsettingsForm(platform::Prompts& prompts, QWidget* parent = nullptr);

    void showSettings(const CompanySettings& settings);
    CompanySettings fieldSettings() const;

    // The logo tab's buttons.
    void Button3Click();    // "Charger votre logo"
    void Button4Click();    // "Supprimer"
    void buttongrayClick(); // "Gris"

    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* vbusinessname() const { return businessName_; }
    QPlainTextEdit* vaddress() const { return address_; }
    QLineEdit* vemail() const { return email_; }
    QLineEdit* vtelephone() const { return telephone_; }
    QLineEdit* vfax() const { return fax_; }
    QLineEdit* vwebsite() const { return website_; }
    QLineEdit* vcur() const { return currency_; }
    platform::NumberBox* vdecnum() const { return decimals_; }
    platform::NumberBox* vvat() const { return rate1_; }
    platform::NumberBox* vvat2() const { return rate2_; }
    LogoArea* vlogo2() const { return logo_; }
    QPushButton* loadLogoButton() const { return loadLogo_; }
    QPushButton* removeLogoButton() const { return removeLogo_; }
    QPushButton* grayButton() const { return gray_; }
    QCheckBox* check() const { return includeInfos_; }
    QLineEdit* vsiret() const { return siret_; }
    QLineEdit* vrcs() const { return rcs_; }
    QLineEdit* vnaf() const { return naf_; }
    QLineEdit* vtvaintra() const { return tvaIntra_; }
    QCheckBox* footerCheck() const { return includeFooter_; }
    QPlainTextEdit* vfooter() const { return footer_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* contactPage();
    QWidget* moneyPage();
    QWidget* logoPage();
    QWidget* infosPage();
    QWidget* footerPage();
    void checkClick();
    void footerCheckClick();
    void keepAddressLines();

    platform::Prompts& prompts_;
    QTabWidget* tabs_;
    QLineEdit* businessName_ = nullptr;
    QPlainTextEdit* address_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* telephone_ = nullptr;
    QLineEdit* fax_ = nullptr;
    QLineEdit* website_ = nullptr;
    QLineEdit* currency_ = nullptr;
    platform::NumberBox* decimals_ = nullptr;
    platform::NumberBox* rate1_ = nullptr;
    platform::NumberBox* rate2_ = nullptr;
    LogoArea* logo_ = nullptr;
    QPushButton* loadLogo_ = nullptr;
    QPushButton* removeLogo_ = nullptr;
    QPushButton* gray_ = nullptr;
    QCheckBox* includeInfos_ = nullptr;
    QLineEdit* siret_ = nullptr;
    QLineEdit* rcs_ = nullptr;
    QLineEdit* naf_ = nullptr;
    QLineEdit* tvaIntra_ = nullptr;
    QCheckBox* includeFooter_ = nullptr;
    QPlainTextEdit* footer_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool loading_ = false; // fields being filled from the settings, not typed
};

// The open-picture dialog's filter: every picture kind the reader knows, then each of
// the main kinds on its own.
QString pictureFilter();

} // namespace vantrel::settings
