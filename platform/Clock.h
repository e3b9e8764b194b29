#pragma once

#include <QDate>

namespace platform
{

// Today's date, behind an interface so that tests choose the day of the week.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock
{
public:
    QDate today() const override;
};

} // namespace platform
