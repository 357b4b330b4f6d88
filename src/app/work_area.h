#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolBar;
class QToolButton;

namespace vantrel::app {

class FolderTree;

// What the main window shows while a database is open: the folder pane on the left
// (title strip, the four folders, the company name at its foot), a 7-pixel gap, and
// the work area: the top strip (folder title, document toolbar, period and filter
// panels, the search panels), a rule and the main list.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

    void setCompanyName(const QString& name);
    QString companyName() const;

    FolderTree* TreeView() const { return tree_; }
    QLabel* Dirlabel() const { return dirLabel_; }
    QTableView* listview() const { return list_; }

    QToolBar* ToolBar2() const { return toolBar2_; }
    QToolButton* buprint() const { return print_; }
    QToolButton* buexport() const { return export_; }
    QToolButton* BUCONVERT() const { return convert_; }
    QToolButton* bumail() const { return mail_; }

    QWidget* periodPanel() const { return periodPanel_; }
    QWidget* filterPanel() const { return filterPanel_; }
    QWidget* customerSearchPanel() const { return customerPanel_; }
    QWidget* articleSearchPanel() const { return articlePanel_; }
    QComboBox* Periodbox() const { return periodBox_; }
    QComboBox* Filterbox() const { return filterBox_; }
    QLineEdit* custedit() const { return custEdit_; }
    QLineEdit* descedit() const { return descEdit_; }

    // Lays out the top strip for the folder shown: the document toolbar with the
    // period (and for invoices the filter) panel, or the folder's search panel.
    void arrangeTopStrip(int folderIndex);

private:
    QWidget* folderPane_;
    FolderTree* tree_;
    QLabel* companyLabel_;
    QWidget* topStrip_;
    QLabel* dirLabel_;
    QToolBar* toolBar2_;
    QToolButton* print_;
    QToolButton* export_;
    QToolButton* convert_;
    QAction* convertAction_;
    QToolButton* mail_;
    QWidget* periodPanel_;
    QWidget* filterPanel_;
    QWidget* customerPanel_;
    QWidget* articlePanel_;
    QComboBox* periodBox_;
    QComboBox* filterBox_;
    QLineEdit* custEdit_;
    QLineEdit* descEdit_;
    QTableView* list_;
};

} // namespace vantrel::app
