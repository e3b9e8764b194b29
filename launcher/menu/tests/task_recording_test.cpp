#include "launcher/menu/TaskRecording.h"

#include <gtest/gtest.h>

using namespace menu;

namespace
{

TEST(TaskRecording, RecordsInTheSlotAndClearsTheSameIdElsewhere)
{
    TaskTable table{};
    table[1] = 4242;
    table[5] = 70000; // a pid beyond 16 bits is kept whole
    table[12] = 99;

    Memo_Tache_Module(table, 4242, 10);

    TaskTable expected{};
    expected[5] = 70000;
    expected[10] = 4242;
    expected[12] = 99;
    EXPECT_EQ(table, expected);

    Memo_Tache_Module(table, 123456, 5);
    expected[5] = 123456;
    EXPECT_EQ(table, expected);
    EXPECT_EQ(table[0], 0) << "slot 0 is never written";
}

} // namespace
