#pragma once

#include <QString>

namespace platform
{

// The desktop's "open": hands a document or an address to the program that handles it (for a web
// address, as a rule, the default browser) and returns without waiting. Callers hold a Shell so
// that tests can replace it.
class Shell
{
public:
    virtual ~Shell() = default;

    // Starts the opener with workingFolder as its current directory. Throws platform::Failure
    // when the opener cannot be started; what the opener then does is not reported.
    virtual void open(const QString &target, const QString &workingFolder) = 0;
};

} // namespace platform
