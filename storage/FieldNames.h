#pragma once

#include "platform/Failure.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace storage
{

// The fields of a table or query, found by name ignoring case as the Parts name them.
class FieldNames
{
public:
    FieldNames() = default;
    // owner completes the failure text: "la table 'T'", "la requête".
    FieldNames(QStringList names, QString owner);

    const QStringList &names() const { return m_names; }
    int size() const { return static_cast<int>(m_names.size()); }
    // Fails with FieldNotFound.
    int position(const QString &name) const;

private:
    QStringList m_names;
    QString m_owner;
    // By the name as declared first, which is how callers mostly spell it, then lower-cased.
    QHash<QString, int> m_declared;
    QHash<QString, int> m_positions;
};

platform::Failure noCurrentRecordFailure();

} // namespace storage
