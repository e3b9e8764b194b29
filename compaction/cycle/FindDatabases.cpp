#include "compaction/cycle/FindDatabases.h"

#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/ModuleDatabases.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "platform/TextCase.h"

namespace compaction
{

namespace
{

constexpr int kOverflowError = 6;

} // namespace

FoundDatabases findDatabases(const QString &normalisedFolder, Selection selection)
{
    FoundDatabases found;
    if (!platform::isFolder(normalisedFolder))
        return found;
    const QStringList files = platform::listFiles(normalisedFolder, QStringLiteral("*.mdb"));
    if (files.size() > kMaxMatchingFiles)
        throw platform::Failure(QStringLiteral("Dépassement de capacité : plus de %1 fichiers *.mdb dans %2")
                                    .arg(kMaxMatchingFiles)
                                    .arg(normalisedFolder),
                                kOverflowError);
    found.matchingFiles = int(files.size());
    for (const QString &file : files) {
        // Names spelt alike but for case, next to each other in the listing, name one source.
        if ((selection == Selection::ModuleDatabases && !isModuleDatabase(file)) ||
            (!found.names.isEmpty() && found.names.last() == platform::upperCase(file)))
            continue;
        found.names.append(platform::upperCase(file));
        found.sources.append(sourcePath(normalisedFolder, file));
    }
    return found;
}

} // namespace compaction
