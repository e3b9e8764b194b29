#include "template-manager/tests/support/RecordingOffice.h"

namespace templates_testing
{

namespace
{

class RecordingApplication : public platform::OfficeApplication
{
public:
    RecordingApplication(QStringList &log, int number) : m_log(log), m_number(number) {}

    void openDocument(const QString &path) override { write(QStringLiteral("open ") + path); }
    void setVisible(bool visible) override
    {
        write(visible ? QStringLiteral("visible") : QStringLiteral("hidden"));
    }
    void activate() override { write(QStringLiteral("activate")); }
    void closeDocuments() override { write(QStringLiteral("close")); }
    void quit() override { write(QStringLiteral("quit")); }

private:
    void write(const QString &call) { m_log.append(QString::number(m_number) + QLatin1Char(' ') + call); }

    QStringList &m_log;
    int m_number;
};

} // namespace

std::unique_ptr<platform::OfficeApplication> RecordingOffice::createApplication()
{
    return std::make_unique<RecordingApplication>(log, ++created);
}

} // namespace templates_testing
