#pragma once

#include "ui/Control.h"

class QListWidget;

namespace ui
{

// The folder list: the folders from the root down to the open one, then the open folder's
// sub-folders (hidden ones left out), sorted ignoring case. A double-click on an entry opens it.
// Each change of the open folder, by the user or by the program, raises Change.
class FolderList : public Control
{
public:
    FolderList(Form &form, const ControlDesign &design);

    // The open folder: absolute, in the case found on disk, without a final "/" except at the root.
    QString path() const { return m_path; }
    // Opens the folder, resolved ignoring case (a relative path against the current directory);
    // throws platform::Failure (76) when it names no folder, and the list keeps its folder.
    void setPath(const QString &path);

    bool takesFocus() const override { return true; }
    int listCount() const;
    QString list(int index) const; // the folder of an entry, "" outside the list

private:
    QListWidget *listWidget() const;
    void fill();

    QString m_path;
};

} // namespace ui
