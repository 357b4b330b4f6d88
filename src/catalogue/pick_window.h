#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vantrel::catalogue {

// The frame shared by the pick lists: a borderless window shown right under the field
// or button that opened it, with an optional search field on top, a read-only list
// (grid lines, whole-row selection) and a closing button. Choosing a row — a click, or
// Enter on the current row — closes it at once with that row.
class PickWindow : public QDialog {
    Q_OBJECT
public:
    // An empty `searchLabel` gives a window without search field.
    PickWindow(const QString& searchLabel, const QString& closeCaption, QWidget* parent = nullptr);

    void setColumns(const QStringList& captions, const QList<int>& widths);
    void setRows(const QList<QStringList>& rows);
    // Left edge at the anchor's left edge, top at its bottom edge, on the screen.
    void placeBelow(const QWidget* anchor);
    // The list's background, the tint of the dialog that opened it.
    void setListColour(const QColor& colour);

    // The chosen row's cells after the window closed, or nothing.
    std::optional<QStringList> chosen() const { return chosen_; }
    void chooseRow(int row);

    QTableWidget* PicksView() const { return list_; }
    QLineEdit* searchField() const { return search_; }
    QPushButton* closeButton() const { return close_; }

Q_SIGNALS:
    void searchChanged(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* search_ = nullptr;
    QTableWidget* list_;
    QPushButton* close_;
    std::optional<QStringList> chosen_;
};

} // namespace vantrel::catalogue
