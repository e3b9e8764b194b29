#include "compaction/cycle/StatusBoxCaller.h"

#include "ui/Form.h"
#include "ui/TextBox.h"

namespace compaction
{

QString StatusBoxCaller::statusLog() const
{
    return m_statusBox.text();
}

void StatusBoxCaller::setStatusLog(const QString &log)
{
    m_statusBox.setText(log);
}

bool StatusBoxCaller::programEnded() const
{
    return !m_statusBox.form().isLoaded();
}

} // namespace compaction
