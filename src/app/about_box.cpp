#include "app/about_box.h"

#include "platform/shell.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::app {

TAboutBox::TAboutBox(platform::Shell& shell, QWidget* parent) : QDialog(parent) {
    setWindowTitle(about::caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(6);

    product_ = new QLabel(about::product, this);
    QFont big = product_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product_->setFont(big);
    version_ = new QLabel(about::version, this);
    description_ = new QLabel(about::description, this);
    link_ = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(about::website, about::websiteShown), this);
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // The link goes through the shell like every other address the program opens.
    connect(link_, &QLabel::linkActivated, this, [&shell](const QString& url) { shell.open(url); });
    for (QLabel* label : {product_, version_, description_, link_}) {
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(8);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

} // namespace vantrel::app
