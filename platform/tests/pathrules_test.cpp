#include "platform/PathRules.h"

#include <gtest/gtest.h>

using platform::PathSyntax;

namespace
{

struct PathCase {
    const char *path;
    const char *last;
    const char *parent;
    bool endsWithSeparator;
    bool root;
};

void checkCases(const PathSyntax &syntax, std::initializer_list<PathCase> cases)
{
    for (const PathCase &c : cases) {
        const QString path = QString::fromUtf8(c.path);
        SCOPED_TRACE(c.path);
        EXPECT_EQ(platform::lastComponent(path, syntax), QString::fromUtf8(c.last));
        EXPECT_EQ(platform::parentPath(path, syntax), QString::fromUtf8(c.parent));
        EXPECT_EQ(platform::endsWithSeparator(path, syntax), c.endsWithSeparator);
        EXPECT_EQ(platform::isDriveRoot(path, syntax), c.root);
    }
}

} // namespace

TEST(PathRules, WindowsPaths)
{
    checkCases(PathSyntax::windows(), {
                                          {"D:\\GESTION\\SOC1", "SOC1", "D:\\GESTION", false, false},
                                          {"D:\\GESTION\\SOC1\\", "", "D:\\GESTION", true, false},
                                          {"C:\\", "", "C:\\", true, true},
                                          {"C:\\\\", "", "C:\\", true, false},
                                          {"C:\\file.mdb", "file.mdb", "C:\\", false, false},
                                          {"C:", "", "C:", false, false},
                                          {"C:SOC1", "SOC1", "C:", false, false},
                                          {"\\", "", "\\", true, true},
                                          {"SOC1", "SOC1", "", false, false},
                                          {"", "", "", false, false},
                                          {"a\\b\\\\c", "c", "a\\b", false, false},
                                      });
}

TEST(PathRules, LinuxPaths)
{
    checkCases(PathSyntax::posix(), {
                                        {"/gestion/soc1", "soc1", "/gestion", false, false},
                                        {"/gestion/soc1/", "", "/gestion", true, false},
                                        {"/", "", "/", true, true},
                                        {"//", "", "/", true, false},
                                        {"/file.mdb", "file.mdb", "/", false, false},
                                        {"C:", "C:", "", false, false},
                                        {"soc1", "soc1", "", false, false},
                                        {"a/b//c", "c", "a/b", false, false},
                                    });
}

TEST(PathRules, JoinAddsOneSeparatorWhereNoneEnds)
{
    struct JoinCase {
        PathSyntax syntax;
        const char *folder;
        const char *name;
        const char *joined;
        const char *withSeparator;
    };
    const JoinCase cases[] = {
        {PathSyntax::windows(), "c:\\torbmdb", "TORBSTOC.MDB", "c:\\torbmdb\\TORBSTOC.MDB", "c:\\torbmdb\\"},
        {PathSyntax::windows(), "c:\\torbmdb\\", "TORBSTOC.MDB", "c:\\torbmdb\\TORBSTOC.MDB",
         "c:\\torbmdb\\"},
        {PathSyntax::windows(), "C:\\", "DBPATH.MDB", "C:\\DBPATH.MDB", "C:\\"},
        {PathSyntax::windows(), "C:", "DBPATH.MDB", "C:\\DBPATH.MDB", "C:\\"},
        {PathSyntax::windows(), "", "DBPATH.MDB", "DBPATH.MDB", "\\"},
        {PathSyntax::posix(), "/torbmdb", "TORBSTOC.MDB", "/torbmdb/TORBSTOC.MDB", "/torbmdb/"},
        {PathSyntax::posix(), "/", "DBPATH.MDB", "/DBPATH.MDB", "/"},
        {PathSyntax::posix(), "", "DBPATH.MDB", "DBPATH.MDB", "/"},
    };
    for (const JoinCase &c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(platform::joinPath(QString::fromUtf8(c.folder), QString::fromUtf8(c.name), c.syntax),
                  QString::fromUtf8(c.joined));
        EXPECT_EQ(platform::withTrailingSeparator(QString::fromUtf8(c.folder), c.syntax),
                  QString::fromUtf8(c.withSeparator));
    }
}
