#include "ui/FolderList.h"

#include "platform/Failure.h"
#include "platform/Files.h"
#include "platform/PathRules.h"
#include "ui/FolderPath.h"

#include <QDir>
#include <QListWidget>

namespace ui
{

namespace
{

constexpr int FolderRole = Qt::UserRole;

// The folders from the root down to the folder itself, root first.
QStringList foldersDownTo(const QString &folder)
{
    const platform::PathSyntax posix = platform::PathSyntax::posix();
    QStringList chain{folder};
    while (!platform::isDriveRoot(chain.first(), posix))
        chain.prepend(platform::parentPath(chain.first(), posix));
    return chain;
}

QStringList subFolders(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace

FolderList::FolderList(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ListBox, new QListWidget(parentWidget(form, design)))
{
    listWidget()->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(listWidget(), &QListWidget::itemDoubleClicked, context(), [this](QListWidgetItem *item) {
        try {
            setPath(item->data(FolderRole).toString());
        } catch (const platform::Failure &) {
            fill(); // the folder went away meanwhile: show what is there now
        }
    });
    setBackColour(WindowBackground);
    setForeColour(WindowText);
    try {
        m_path = platform::currentDirectory();
    } catch (const platform::Failure &) {
        m_path = QStringLiteral("/"); // a current directory that went away
    }
    fill();
}

QListWidget *FolderList::listWidget() const
{
    return static_cast<QListWidget *>(widget());
}

void FolderList::setPath(const QString &path)
{
    const QString folder = existingFolder(path);
    if (folder == m_path)
        return;
    m_path = folder;
    fill();
    raise(onChange);
}

void FolderList::fill()
{
    listWidget()->clear();
    const QStringList chain = foldersDownTo(m_path);
    const platform::PathSyntax posix = platform::PathSyntax::posix();
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        const QString name = depth == 0 ? chain.at(depth) : platform::lastComponent(chain.at(depth), posix);
        auto *item = new QListWidgetItem(QString(int(depth) * 2, QLatin1Char(' ')) + name, listWidget());
        item->setData(FolderRole, chain.at(depth));
    }
    const QString indent(int(chain.size()) * 2, QLatin1Char(' '));
    for (const QString &name : subFolders(m_path)) {
        auto *item = new QListWidgetItem(indent + name, listWidget());
        item->setData(FolderRole, platform::joinPath(m_path, name, posix));
    }
    listWidget()->setCurrentRow(int(chain.size()) - 1);
}

int FolderList::listCount() const
{
    return listWidget()->count();
}

QString FolderList::list(int index) const
{
    const QListWidgetItem *item = listWidget()->item(index);
    return item ? item->data(FolderRole).toString() : QString();
}

} // namespace ui
