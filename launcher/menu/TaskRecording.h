#pragma once

#include <QtGlobal>
#include <array>

namespace menu
{

using TaskTable = std::array<qint64, 21>;

// Memo_Tache_Module: records the task id in its slot (1 to 20) and clears it from every other slot,
// so one task id is never in two slots.
void Memo_Tache_Module(TaskTable &table, qint64 taskId, int slot);

} // namespace menu
