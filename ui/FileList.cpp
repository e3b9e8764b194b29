#include "ui/FileList.h"

#include "platform/Failure.h"
#include "platform/Files.h"
#include "ui/FolderPath.h"

#include <QSignalBlocker>
#include <QWidget>

namespace ui
{

FileList::FileList(Form &form, const ControlDesign &design) : ListBox(form, design)
{
    try {
        fill(platform::currentDirectory());
    } catch (const platform::Failure &) {
        // An unreadable current directory leaves the list empty until a folder is given.
    }
}

void FileList::setPath(const QString &path)
{
    fill(existingFolder(path));
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern.isEmpty() ? QStringLiteral("*") : pattern;
    fill(m_path);
}

void FileList::fill(const QString &folder)
{
    const QStringList names = platform::listFiles(folder, m_pattern);
    m_path = folder;
    clear();
    for (const QString &name : names)
        addItem(name);
}

void FileList::setFileName(const QString &name)
{
    const QSignalBlocker quiet(widget());
    int found = -1;
    for (int index = 0; index < listCount() && found < 0; ++index)
        if (list(index).compare(name, Qt::CaseInsensitive) == 0)
            found = index;
    setListIndex(found);
}

} // namespace ui
