#pragma once

#include "platform/Failure.h"

namespace services
{

// Runs the step; a failure it meets ends the step and nothing more.
template <typename Step> void skippingFailure(Step step)
{
    try {
        step();
    } catch (const platform::Failure &) {
    }
}

} // namespace services
