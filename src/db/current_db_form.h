#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vantrel::db {

// Shows the full path of the open database, with the note to keep that file safe.
class Tcurrentdbfrm : public QDialog {
    Q_OBJECT
public:
    explicit Tcurrentdbfrm(QWidget* parent = nullptr);
    void setPath(const QString& path);
    QString shownPath() const;
    QPushButton* closeButton() const { return close_; }

private:
    QPlainTextEdit* path_;
    QPushButton* close_;
};

} // namespace vantrel::db
