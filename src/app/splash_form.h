#pragma once

#include <QWidget>

namespace vantrel::app {

// The start-up picture: borderless, on top, centred, a one-pixel #AAAAAA frame
// around the 412 x 254 product picture.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);
    void repaintNow(); // shows progress between the groups of windows being created

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantrel::app
