#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vantrel::platform {
class Shell;
}

namespace vantrel::app {

// Texts of the help menu's pages and of the about box.
namespace about {
inline const QString caption = QStringLiteral("À propos de Vantrel");
inline const QString product = QStringLiteral("Vantrel");
inline const QString version = QStringLiteral("Version 3.0.0");
inline const QString description =
    QStringLiteral("La facturation et les devis des petites entreprises, simplement.");
inline const QString website = QStringLiteral("https://www.vantrel.example/");
inline const QString contact = QStringLiteral("https://www.vantrel.example/contact/");
inline const QString websiteShown = QStringLiteral("www.vantrel.example");
} // namespace about

// "À propos...": the product, its version, what it does and the link to its web site,
// which opens through the shell.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(platform::Shell& shell, QWidget* parent);

    QLabel* productLabel() const { return product_; }
    QLabel* versionLabel() const { return version_; }
    QLabel* descriptionLabel() const { return description_; }
    QLabel* linkLabel() const { return link_; }
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* product_;
    QLabel* version_;
    QLabel* description_;
    QLabel* link_;
    QPushButton* ok_;
};

} // namespace vantrel::app
