#include "launcher/services/TranslationSource.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "storage/Database.h"

#include <QFile>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace services
{

namespace
{

const QString SourceTable = QStringLiteral("TMP_TRADSOURCE");

// The first 100 bytes of an SQLite file: magic text, then at 18 and 19 the write and read
// versions (2 in WAL mode), at 24 the big-endian change counter.
constexpr int HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3";

std::optional<qint64> changeCounter(const QByteArray &nativePath)
{
    const int descriptor = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    unsigned char header[HeaderSize];
    const ssize_t read = ::pread(descriptor, header, HeaderSize, 0);
    ::close(descriptor);
    if (read != HeaderSize || std::memcmp(header, Magic, sizeof Magic) != 0 || header[18] != 1 ||
        header[19] != 1)
        return std::nullopt;
    return (qint64(header[24]) << 24) | (qint64(header[25]) << 16) | (qint64(header[26]) << 8) |
           qint64(header[27]);
}

bool journalBeside(const QString &path)
{
    return QFile::exists(path + QStringLiteral("-journal")) || QFile::exists(path + QStringLiteral("-wal"));
}

} // namespace

std::optional<TranslationSource> currentTranslationSource(const QString &path, qint16 language)
{
    TranslationSource source;
    source.path = platform::resolveCase(path);
    source.language = language;
    const QByteArray native = platform::nativePath(source.path);
    struct stat info;
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode) || journalBeside(source.path))
        return std::nullopt;
    const std::optional<qint64> counter = changeCounter(native);
    if (!counter)
        return std::nullopt;
    source.size = info.st_size;
    source.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    source.device = qint64(info.st_dev);
    source.inode = qint64(info.st_ino);
    source.changeCounter = *counter;
    return source;
}

bool recordsTranslationSource(storage::Database &bdloc)
{
    return bdloc
               .openQuery(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                                         "COLLATE NOCASE"),
                          {SourceTable})
               .recordCount() > 0;
}

std::optional<TranslationSource> recordedTranslationSource(storage::Database &bdloc)
{
    storage::QueryCursor row = bdloc.openQuery(
        QStringLiteral("SELECT TMP_CHEMIN, TMP_LANGUE, TMP_TAILLE, TMP_DATEMODIF, TMP_PERIPH, TMP_INODE, "
                       "TMP_COMPTEUR FROM %1")
            .arg(SourceTable));
    if (row.recordCount() != 1)
        return std::nullopt;
    return TranslationSource{row.value(0).toString(),   qint16(row.value(1).toInt()),
                             row.value(2).toLongLong(), row.value(3).toLongLong(),
                             row.value(4).toLongLong(), row.value(5).toLongLong(),
                             row.value(6).toLongLong()};
}

void recordTranslationSource(storage::Database &bdloc, const std::optional<TranslationSource> &source)
{
    bdloc.execute(QStringLiteral("DELETE FROM %1").arg(SourceTable));
    if (!source)
        return;
    bdloc.execute(QStringLiteral("INSERT INTO %1 (TMP_CHEMIN, TMP_LANGUE, TMP_TAILLE, TMP_DATEMODIF, "
                                 "TMP_PERIPH, TMP_INODE, TMP_COMPTEUR) VALUES (?, ?, ?, ?, ?, ?, ?)")
                      .arg(SourceTable),
                  {source->path, source->language, source->size, source->modifiedNs, source->device,
                   source->inode, source->changeCounter});
}

} // namespace services
