// Holds a database open through the storage layer, as a module of the suite does, until its
// standard input closes. Prints "ready" once the database is open.
// Usage: compaction_database_holder <database>
#include "storage/Database.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    QCoreApplication app(argc, argv);
    const storage::Database held = storage::Database::open(QString::fromLocal8Bit(argv[1]));
    std::puts("ready");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
