#include "storage/Database.h"
#include "storage/InUse.h"
#include "storage/UseMark.h"

#include "storage/tests/support/Databases.h"

#include <QFile>
#include <gtest/gtest.h>

using storage::UseMark;
using testing_support::TempFolder;

namespace
{

const QString kTable = QStringLiteral("CREATE TABLE T (V TEXT);");

// A database opened just as another file is renamed over its path must not be left open unmarked:
// the mark tells whether the path still names its file.
TEST(UseMark, KnowsWhenAFileIsRenamedOverItsPath)
{
    TempFolder folder;
    const QString path = storage_testing::makeDatabase(folder, QStringLiteral("TORBCOM.MDB"), kTable);
    const QString other = storage_testing::makeDatabase(folder, QStringLiteral("other.tmp"), kTable);
    const UseMark mark(path, UseMark::Kind::Shared);
    EXPECT_TRUE(mark.isOn(path));
    ASSERT_TRUE(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()) == 0);
    EXPECT_FALSE(mark.isOn(path));
    // The file now at the path is not in use; the one that was keeps its mark.
    EXPECT_FALSE(storage::isInUse(path));
    storage::Database opened = storage::Database::open(path);
    EXPECT_TRUE(storage::isInUse(path));
}

} // namespace
