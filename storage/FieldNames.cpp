#include "storage/FieldNames.h"

#include "storage/ErrorNumbers.h"

namespace storage
{

FieldNames::FieldNames(QStringList names, QString owner)
    : m_names(std::move(names)), m_owner(std::move(owner))
{
    for (int i = 0; i < m_names.size(); ++i) {
        m_declared.insert(m_names[i], i);
        m_positions.insert(m_names[i].toLower(), i);
    }
}

int FieldNames::position(const QString &name) const
{
    const auto declared = m_declared.constFind(name);
    if (declared != m_declared.constEnd())
        return *declared;
    const auto found = m_positions.constFind(name.toLower());
    if (found == m_positions.constEnd())
        throw platform::Failure(QStringLiteral("Champ '%1' introuvable dans %2").arg(name, m_owner),
                                FieldNotFound);
    return *found;
}

platform::Failure noCurrentRecordFailure()
{
    return platform::Failure(QStringLiteral("Aucun enregistrement en cours"), NoCurrentRecord);
}

} // namespace storage
