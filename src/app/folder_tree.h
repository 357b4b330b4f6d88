#pragma once

#include "lists/folders.h"

#include <QTreeWidget>
#include <optional>

namespace vantrel::app {

// The four folders as rows 60 pixels high with grid lines between them; the selected
// folder's name is drawn bold in RGB 0, 49, 98. No header, no expand marks.
class FolderTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int rowHeight = 60;

    explicit FolderTree(QWidget* parent = nullptr);

    std::optional<lists::Folder> selectedFolder() const;
    void selectFolder(lists::Folder folder);
    // The folder whose row covers a vertical position (the stored "selected_y"); none
    // below the last row.
    static std::optional<lists::Folder> folderAt(int y);

Q_SIGNALS:
    void folderClicked();      // a click on a folder row (TreeViewClick)
    void folderChanged();      // the selection moved to another folder (TreeViewFocusChanged)
    void mousePressed();       // TreeViewMouseDown

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace vantrel::app
