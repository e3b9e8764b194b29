#pragma once

#include <QString>

namespace menu
{

// "Version V" + major.minor.revision, plain decimal numbers.
QString versionText(int major, int minor, int revision);

// The version text of this build (the project's version numbers).
QString programVersionText();

} // namespace menu
