#pragma once

#include "platform/Processes.h"
#include "platform/Shell.h"

namespace platform
{

// "open" through xdg-open, found on the PATH and started by the process starter. The caller's
// current directory is the same afterwards. A target that begins with "-" is refused: the opener
// would read it as an option.
class XdgShell : public Shell
{
public:
    explicit XdgShell(ProcessStarter &starter) : m_starter(starter) {}

    void open(const QString &target, const QString &workingFolder) override;

private:
    ProcessStarter &m_starter;
};

} // namespace platform
