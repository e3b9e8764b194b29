#include "ui/Dialogs.h"

#include "ui/InstalledService.h"
#include "ui/QtDialogs.h"

#include <QCoreApplication>

namespace ui
{

Dialogs &dialogs()
{
    return InstalledService<Dialogs>::current<QtDialogs>();
}

Dialogs *installDialogs(Dialogs *dialogs)
{
    return InstalledService<Dialogs>::install(dialogs);
}

QString programTitle()
{
    return QCoreApplication::applicationName();
}

QString titleOrProgramTitle(const QString &title)
{
    return title.isEmpty() ? programTitle() : title;
}

void doEvents()
{
    QCoreApplication::processEvents();
}

} // namespace ui
