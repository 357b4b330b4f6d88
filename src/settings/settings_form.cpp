#include "settings/settings_form.h"

#include "platform/prompts.h"
#include "settings/logo.h"
#include "settings/messages.h"
#include "platform/number_box.h"
#include "settings/picture_file.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include <limits>

namespace vantrel::settings {

namespace {

constexpr int maxAddressLines = 3;

QLineEdit* textField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

// Multi-line fields hold "\n" on screen; the stored texts separate their lines by CR LF.
QString screenText(const QString& stored) {
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString storedText(const QPlainTextEdit& field) {
    return field.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

} // namespace

QString pictureFilter() {
    struct Kind {
        QString description;
        QStringList suffixes;
    };
    const QList<Kind> kinds = {
        {QStringLiteral("Bitmaps Windows"), {QStringLiteral("bmp"), QStringLiteral("dib")}},
        {QStringLiteral("Images JPEG"),
         {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe")}},
        {QStringLiteral("Images PNG"), {QStringLiteral("png")}},
        {QStringLiteral("Images TIFF"), {QStringLiteral("tif"), QStringLiteral("tiff")}},
        {QStringLiteral("Images Truevision (TGA)"), {QStringLiteral("tga")}},
        {QStringLiteral("Images GIF"), {QStringLiteral("gif")}},
        {QStringLiteral("Images WebP"), {QStringLiteral("webp")}},
    };
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList all;
    QStringList entries;
    for (const Kind& kind : kinds) {
        // A kind is offered when the reader knows its first suffix (jpg for JPEG ...).
        if (!readable.contains(kind.suffixes.constFirst().toLatin1()) &&
            !readable.contains(kind.suffixes.constLast().toLatin1()))
            continue;
        QStringList patterns;
        for (const QString& suffix : kind.suffixes)
            patterns << QStringLiteral("*.") + suffix;
        all << patterns;
        entries << kind.description << patterns.join(QLatin1Char(';'));
    }
    QStringList filter{messages::allPictures, all.join(QLatin1Char(';'))};
    filter << entries << messages::allFiles << QStringLiteral("*");
    return filter.join(QLatin1Char('|'));
}

LogoArea::LogoArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("vlogo2"));
    setFixedSize(logoAreaWidth, logoAreaHeight);
}

void LogoArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void LogoArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (picture_.isNull())
        return;
    // Centred at its own size; a stored picture larger than the area shows its middle.
    const QPoint at((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
    painter.drawImage(at, picture_);
}

TsettingsForm::TsettingsForm(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), tabs_(new QTabWidget(this)),
      ok_(new QPushButton(messages::okButton, this)),
      cancel_(new QPushButton(messages::cancelButton, this)) {
    setObjectName(QStringLiteral("settingsForm"));
    setWindowTitle(messages::caption);
    setModal(true);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    // All five tabs in sight: the dialog widens to its tab bar rather than scrolling it.
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab(contactPage(), messages::contactTab);
    tabs_->addTab(moneyPage(), messages::moneyTab);
    tabs_->addTab(logoPage(), messages::logoTab);
    tabs_->addTab(infosPage(), messages::infosTab);
    tabs_->addTab(footerPage(), messages::footerTab);
    tabs_->setCurrentIndex(0);

    ok_->setObjectName(QStringLiteral("okbtn"));
    cancel_->setObjectName(QStringLiteral("cancelbtn"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    showSettings(CompanySettings{});
}

QWidget* TsettingsForm::contactPage() {
    auto* page = new QWidget;
    businessName_ = textField(QStringLiteral("vbusinessname"), page);
    address_ = new QPlainTextEdit(page);
    address_->setObjectName(QStringLiteral("vaddress"));
    address_->setLineWrapMode(QPlainTextEdit::NoWrap);
    address_->setTabChangesFocus(true);
    // Room for the three lines and no more.
    const int lineHeight = address_->fontMetrics().lineSpacing();
    address_->setFixedHeight(lineHeight * maxAddressLines + 2 * address_->frameWidth() +
                             int(address_->document()->documentMargin() * 2) + 2);
    connect(address_, &QPlainTextEdit::textChanged, this, &TsettingsForm::keepAddressLines);
    email_ = textField(QStringLiteral("vemail"), page);
    telephone_ = textField(QStringLiteral("vtelephone"), page);
    fax_ = textField(QStringLiteral("vfax"), page);
    website_ = textField(QStringLiteral("vwebsite"), page);

    auto* grid = new QGridLayout(page);
    const QList<QPair<QString, QWidget*>> rows = {
        {messages::businessNameLabel, businessName_},
        {messages::addressLabel, address_},
        {messages::emailLabel, email_},
        {messages::telephoneLabel, telephone_},
        {messages::faxLabel, fax_},
        {messages::websiteLabel, website_},
    };
    for (int r = 0; r < rows.size(); ++r) {
        QLabel* caption = label(rows[r].first, page);
        caption->setBuddy(rows[r].second);
        grid->addWidget(caption, r, 0,
                        rows[r].second == address_ ? Qt::AlignTop : Qt::AlignVCenter);
        grid->addWidget(rows[r].second, r, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(rows.size()), 1);
    return page;
}

QWidget* TsettingsForm::moneyPage() {
    auto* page = new QWidget;
    currency_ = textField(QStringLiteral("vcur"), page);
    decimals_ = new platform::NumberBox(0, 2, 3, page);
    decimals_->setObjectName(QStringLiteral("vdecnum"));
    rate1_ = new platform::NumberBox(2, 0, std::nullopt, page);
    rate1_->setObjectName(QStringLiteral("vvat"));
    rate2_ = new platform::NumberBox(2, 0, std::nullopt, page);
    rate2_->setObjectName(QStringLiteral("vvat2"));
    for (platform::NumberBox* field : {decimals_, rate1_, rate2_})
        field->setFixedWidth(90);
    currency_->setFixedWidth(90);

    auto* grid = new QGridLayout(page);
    grid->addWidget(label(messages::currencyLabel, page), 0, 0);
    grid->addWidget(currency_, 0, 1);
    grid->addWidget(label(messages::decimalsLabel, page), 1, 0);
    grid->addWidget(decimals_, 1, 1);
    grid->setRowMinimumHeight(2, 12);
    QLabel* heading = label(messages::ratesHeading, page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 3, 0, 1, 4);
    grid->addWidget(label(messages::rate1Label, page), 4, 0);
    grid->addWidget(rate1_, 4, 1);
    grid->addWidget(label(messages::percent, page), 4, 2);
    grid->addWidget(label(messages::defaultRate, page), 4, 3);
    grid->addWidget(label(messages::rate2Label, page), 5, 0);
    grid->addWidget(rate2_, 5, 1);
    grid->addWidget(label(messages::percent, page), 5, 2);
    grid->addWidget(label(messages::rateNote1 + QLatin1Char('\n') + messages::rateNote2, page), 6,
                    0, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget* TsettingsForm::logoPage() {
    auto* page = new QWidget;
    auto* frame = new QFrame(page);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    logo_ = new LogoArea(frame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(logo_);
    frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    loadLogo_ = new QPushButton(messages::loadLogoButton, page);
    loadLogo_->setObjectName(QStringLiteral("Button3"));
    removeLogo_ = new QPushButton(messages::removeLogoButton, page);
    removeLogo_->setObjectName(QStringLiteral("Button4"));
    gray_ = new QPushButton(messages::grayButton, page);
    gray_->setObjectName(QStringLiteral("buttongray"));
    for (QPushButton* b : {loadLogo_, removeLogo_, gray_})
        b->setAutoDefault(false);
    connect(loadLogo_, &QPushButton::clicked, this, &TsettingsForm::Button3Click);
    connect(removeLogo_, &QPushButton::clicked, this, &TsettingsForm::Button4Click);
    connect(gray_, &QPushButton::clicked, this, &TsettingsForm::buttongrayClick);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(loadLogo_);
    buttons->addWidget(removeLogo_);
    buttons->addWidget(gray_);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(frame, 0, Qt::AlignTop);
    top->addLayout(buttons);
    top->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(label(messages::logoNote1 + QLatin1Char('\n') + messages::logoNote2, page));
    layout->addStretch();
    return page;
}

QWidget* TsettingsForm::infosPage() {
    auto* page = new QWidget;
    includeInfos_ = new QCheckBox(messages::includeInfos, page);
    includeInfos_->setObjectName(QStringLiteral("check"));
    connect(includeInfos_, &QCheckBox::toggled, this, &TsettingsForm::checkClick);
    siret_ = textField(QStringLiteral("vsiret"), page);
    rcs_ = textField(QStringLiteral("vrcs"), page);
    naf_ = textField(QStringLiteral("vnaf"), page);
    tvaIntra_ = textField(QStringLiteral("vtvaintra"), page);

    auto* grid = new QGridLayout(page);
    grid->addWidget(includeInfos_, 0, 0, 1, 2);
    const QList<QPair<QString, QLineEdit*>> rows = {
        {messages::siretLabel, siret_},
        {messages::rcsLabel, rcs_},
        {messages::nafLabel, naf_},
        {messages::tvaIntraLabel, tvaIntra_},
    };
    for (int r = 0; r < rows.size(); ++r) {
        QLabel* caption = label(rows[r].first, page);
        caption->setBuddy(rows[r].second);
        grid->addWidget(caption, r + 1, 0);
        grid->addWidget(rows[r].second, r + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(rows.size()) + 1, 1);
    return page;
}

QWidget* TsettingsForm::footerPage() {
    auto* page = new QWidget;
    includeFooter_ = new QCheckBox(messages::includeFooter, page);
    includeFooter_->setObjectName(QStringLiteral("footerCheck"));
    connect(includeFooter_, &QCheckBox::toggled, this, &TsettingsForm::footerCheckClick);
    footer_ = new QPlainTextEdit(page);
    footer_->setObjectName(QStringLiteral("vfooter"));
    footer_->setTabChangesFocus(true);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(includeFooter_);
    layout->addWidget(label(messages::footerNote, page));
    layout->addWidget(footer_, 1);
    return page;
}

void TsettingsForm::showSettings(const CompanySettings& s) {
    loading_ = true;
    businessName_->setText(s.businessName);
    address_->setPlainText(screenText(s.address));
    email_->setText(s.email);
    telephone_->setText(s.telephone);
    fax_->setText(s.fax);
    website_->setText(s.website);
    currency_->setText(s.currency);
    decimals_->setText(s.decimals);
    rate1_->setText(s.rate1);
    rate2_->setText(s.rate2);
    logo_->setPicture(s.logo);
    includeInfos_->setChecked(s.includeInfos);
    siret_->setText(s.siret);
    rcs_->setText(s.rcs);
    naf_->setText(s.naf);
    tvaIntra_->setText(s.tvaIntra);
    includeFooter_->setChecked(s.includeFooter);
    footer_->setPlainText(screenText(s.footerText));
    loading_ = false;
    // The enabled states follow the boxes also when loading did not change them.
    checkClick();
    footerCheckClick();
}

CompanySettings TsettingsForm::fieldSettings() const {
    CompanySettings s;
    s.businessName = businessName_->text();
    s.address = storedText(*address_);
    s.email = email_->text();
    s.telephone = telephone_->text();
    s.fax = fax_->text();
    s.website = website_->text();
    s.currency = currency_->text();
    s.decimals = decimals_->text();
    s.rate1 = rate1_->text();
    s.rate2 = rate2_->text();
    s.logo = logo_->picture();
    s.logoText = getlogotext(s.logo);
    s.includeInfos = includeInfos_->isChecked();
    s.siret = siret_->text();
    s.rcs = rcs_->text();
    s.naf = naf_->text();
    s.tvaIntra = tvaIntra_->text();
    s.includeFooter = includeFooter_->isChecked();
    s.footerText = storedText(*footer_);
    return s;
}

void TsettingsForm::Button3Click() {
    platform::FileDialogRequest request;
    request.title = messages::openPictureTitle;
    request.filter = pictureFilter();
    const std::optional<QString> path = prompts_.openFile(request);
    if (!path)
        return;
    QString error;
    const QImage source = readPictureFile(*path, error);
    if (source.isNull()) {
        // The picture in the area stays as it was.
        prompts_.error(error);
        return;
    }
    logo_->setPicture(fitLogo(source));
}

void TsettingsForm::Button4Click() {
    logo_->setPicture(QImage());
}

void TsettingsForm::buttongrayClick() {
    logo_->setPicture(grayLogo(logo_->picture()));
}

void TsettingsForm::checkClick() {
    const bool on = includeInfos_->isChecked();
    for (QLineEdit* field : {siret_, rcs_, naf_, tvaIntra_})
        field->setEnabled(on);
}

void TsettingsForm::footerCheckClick() {
    footer_->setEnabled(includeFooter_->isChecked());
}

void TsettingsForm::keepAddressLines() {
    if (loading_ || address_->blockCount() <= maxAddressLines)
        return;
    // A fourth line (typed or pasted) is refused: the text keeps its first three lines.
    QStringList lines = address_->toPlainText().split(QLatin1Char('\n'));
    const QString kept = lines.mid(0, maxAddressLines).join(QLatin1Char('\n'));
    QTextCursor cursor = address_->textCursor();
    const int position = std::min(cursor.position(), int(kept.size()));
    const QSignalBlocker blocker(address_);
    address_->setPlainText(kept);
    cursor = address_->textCursor();
    cursor.setPosition(position);
    address_->setTextCursor(cursor);
}

void TsettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ok_->setFocus();
}

} // namespace vantrel::settings
