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

} // namespace storage
