#pragma once

namespace storage
{

// How long our connections wait for the locks of other connections (other programs, other
// workstations) before a statement fails as busy.
inline constexpr int kBusyTimeoutMilliseconds = 10000;

} // namespace storage
