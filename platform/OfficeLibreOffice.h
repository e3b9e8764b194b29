#pragma once

#include "platform/Office.h"
#include "platform/Processes.h"

#include <QStringList>

namespace platform
{

// The word processor of this platform: LibreOffice, started without a shell as "libreoffice" or,
// when there is none, "soffice", the first found on the search path.
class LibreOffice : public Office
{
public:
    // searchPath: folders separated by ":", as in PATH.
    LibreOffice(ProcessStarter &starter, const QString &searchPath);

    // Fails (429) when neither program is on the search path.
    std::unique_ptr<OfficeApplication> createApplication() override;

private:
    ProcessStarter &m_starter;
    QString m_searchPath;
};

// The first name, in the order given, that is an executable file in a folder of the search path
// (folders in their order; empty entries are passed over); "" when there is none.
QString findOnSearchPath(const QStringList &names, const QString &searchPath);

} // namespace platform
