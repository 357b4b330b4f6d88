#include "app/splash_form.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace vantrel::app {

namespace {
constexpr int pictureWidth = 412;
constexpr int pictureHeight = 254;
} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(pictureWidth + 2, pictureHeight + 2);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashForm::repaintNow() {
    repaint();
    QApplication::processEvents();
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0xAA, 0xAA, 0xAA));
    p.drawRect(0, 0, width() - 1, height() - 1);

    const QRect picture(1, 1, pictureWidth, pictureHeight);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(0, 49, 98));
    sky.setColorAt(1, QColor(24, 96, 160));
    p.fillRect(picture, sky);

    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
    p.setFont(title);
    p.drawText(picture.adjusted(0, 50, 0, -120), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Vantrel 3"));
    QFont line(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(line);
    p.setPen(QColor(220, 232, 245));
    p.drawText(picture.adjusted(0, 140, 0, -70), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Devis et factures pour les petites entreprises"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(picture.adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Version 3.0.0"));
}

} // namespace vantrel::app
