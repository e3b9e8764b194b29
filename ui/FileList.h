#pragma once

#include "ui/ListBox.h"

namespace ui
{

// The file list: the ordinary files of one folder (hidden ones left out) whose names match the
// pattern ignoring case, sorted ignoring case. Choosing an entry, by the user or by the program,
// raises Click; the chosen entry's text is the file name.
class FileList : public ListBox
{
public:
    FileList(Form &form, const ControlDesign &design);

    QString path() const { return m_path; }
    // Lists that folder, resolved ignoring case; throws platform::Failure (76) when it names no
    // folder, and the list keeps its folder.
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    // "*" and "?" are wildcards; an empty pattern lists every file.
    void setPattern(const QString &pattern);

    // The chosen file's name, "" when none is chosen.
    QString fileName() const { return text(); }
    // Chooses the listed file of that name (ignoring case) without raising Click; none when absent.
    void setFileName(const QString &name);

private:
    void fill(const QString &folder);

    QString m_path;
    QString m_pattern = QStringLiteral("*");
};

} // namespace ui
