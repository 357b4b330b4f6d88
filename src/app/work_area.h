#pragma once

#include <QWidget>

class QLabel;
class QFrame;

namespace vantrel::app {

// What the main window shows while a database is open: the folder pane on the left
// (title strip, folders, the company name at its foot), a 7-pixel gap, and the work
// area with its top strip, rule and main list.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

    void setCompanyName(const QString& name);
    QString companyName() const;
    QLabel* folderTitle() const { return dirLabel_; }
    QWidget* folderPane() const { return folderPane_; }
    QWidget* listArea() const { return listArea_; }

private:
    QWidget* folderPane_;
    QLabel* companyLabel_;
    QLabel* dirLabel_;
    QWidget* listArea_;
};

} // namespace vantrel::app
