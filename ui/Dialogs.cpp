#include "ui/Dialogs.h"

#include "ui/QtDialogs.h"

#include <QCoreApplication>

namespace ui
{

namespace
{
Dialogs *installed = nullptr;
}

Dialogs &dialogs()
{
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

Dialogs *installDialogs(Dialogs *dialogs)
{
    Dialogs *previous = installed;
    installed = dialogs;
    return previous;
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
