#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// The one exception type of the layers: a number (where the failure has one) and a description
// that a handler can show to the user as it stands.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description, int number = 0)
        : std::runtime_error(description.toStdString()), m_description(description), m_number(number)
    {
    }

    const QString &description() const { return m_description; }
    int number() const { return m_number; }

private:
    QString m_description;
    int m_number;
};

} // namespace platform
