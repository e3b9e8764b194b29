#include "launcher/menu/TaskRecording.h"

namespace menu
{

void Memo_Tache_Module(TaskTable &table, qint64 taskId, int slot)
{
    for (int i = 1; i < int(table.size()); ++i) {
        if (i == slot)
            table[i] = taskId;
        else if (table[i] == taskId)
            table[i] = 0;
    }
}

} // namespace menu
