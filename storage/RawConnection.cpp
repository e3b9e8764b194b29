#include "storage/RawConnection.h"

#include "storage/SqliteValues.h"

namespace storage
{

RawConnection::RawConnection(const QByteArray &fileName, int flags)
{
    const int opened = sqlite3_open_v2(fileName.constData(), &m_handle, flags, nullptr);
    if (opened != SQLITE_OK) {
        platform::Failure failure = sqlFailure(m_handle);
        sqlite3_close_v2(m_handle);
        throw failure;
    }
}

RawConnection::~RawConnection()
{
    sqlite3_close_v2(m_handle);
}

void RawConnection::execute(const char *sql) const
{
    if (sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw sqlFailure(m_handle);
}

} // namespace storage
