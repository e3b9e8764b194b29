#include "launcher/menu/VersionText.h"

namespace menu
{

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version V%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programVersionText()
{
    return versionText(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR, PROJECT_VERSION_PATCH);
}

} // namespace menu
