#pragma once

#include <utility>

namespace ui
{

// A process-wide service that a test may replace: the one installed, else the program's own.
template <class Service> class InstalledService
{
public:
    template <class Default> static Service &current()
    {
        static Default programs;
        return installed ? *installed : programs;
    }

    // Null restores the program's own; returns the one installed before.
    static Service *install(Service *service) { return std::exchange(installed, service); }

private:
    static inline Service *installed = nullptr;
};

} // namespace ui
