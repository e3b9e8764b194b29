#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tools
{

// A business module as an installation holds it: its sub-folder (under the program folder for its
// program, under the data folder as its working folder), its program file without ".exe", and the
// word its main window's title carries so that the launcher's force-close finds it.
struct BusinessModule {
    QString folder;
    QString program;
    QString titleWord;
    QString description;
};

const std::vector<BusinessModule> &businessModules();

// The module whose program file has this name (any case, ".exe" optional); nullptr when none has.
const BusinessModule *moduleForProgram(const QString &programName);

} // namespace tools
