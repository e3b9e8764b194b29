#pragma once

#include "tools/sample-installation/SampleInstallation.h"

namespace tools
{

// Lays out a fresh installation in place of the one at root: the old one is moved aside first (the
// databases hold absolute paths, so the new one must be made at its final place), put back when the
// new layout fails, and removed once the new one stands.
InstallationFolders replaceSampleInstallation(const QString &root, const QString &programFolder,
                                              const SampleOptions &options = {});

} // namespace tools
