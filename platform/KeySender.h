#pragma once

#include <QString>

namespace platform
{

// Sends keystrokes to the window that has the keyboard focus, in the scripting host's key notation
// ("{TAB}" for the Tab key, plain characters for themselves). Tests replace it.
class KeySender
{
public:
    virtual ~KeySender() = default;
    virtual void send(const QString &keys) = 0;
};

} // namespace platform
