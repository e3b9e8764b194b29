// Another program's connection to a database: the SQLite library alone, without the suite's
// layer and its in-use mark, as a business module or the sqlite3 command opens the file. Runs
// each line of its standard input as SQL ("sleep <ms>" pauses) and answers each with one line,
// "ok" or "error: <message>", waiting for locks as long as the suite's connections do.
// Usage: compaction_sqlite_client <database>
#include "storage/BusyWait.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <sqlite3.h>
#include <string>
#include <thread>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    sqlite3 *handle = nullptr;
    if (sqlite3_open_v2(argv[1], &handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_busy_timeout(handle, storage::kBusyTimeoutMilliseconds);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.rfind("sleep ", 0) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(line.substr(6))));
            std::puts("ok");
        } else if (sqlite3_exec(handle, line.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            std::puts("ok");
        } else {
            std::printf("error: %s\n", sqlite3_errmsg(handle));
        }
        std::fflush(stdout);
    }
    return sqlite3_close(handle) == SQLITE_OK ? 0 : 1;
}
