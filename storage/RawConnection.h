#pragma once

#include <QByteArray>
#include <sqlite3.h>

namespace storage
{

// A plain SQLite connection, which knows only what every SQLite reader knows, for the layer's
// one-off jobs (creating a file, compacting one); closed with the object.
class RawConnection
{
public:
    // Fails with the engine's text when the file cannot be opened with these flags.
    RawConnection(const QByteArray &fileName, int flags);
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;
    ~RawConnection();

    sqlite3 *handle() const { return m_handle; }

    // Runs statements that give no rows; fails with the engine's text.
    void execute(const char *sql) const;

private:
    sqlite3 *m_handle = nullptr;
};

} // namespace storage
