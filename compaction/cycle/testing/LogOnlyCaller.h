#pragma once

#include "compaction/cycle/CycleCaller.h"

namespace compaction::testing
{

// A caller that keeps the status log and does nothing at the hooks.
class LogOnlyCaller : public CycleCaller
{
public:
    QString statusLog() const override { return m_log; }
    void setStatusLog(const QString &log) override { m_log = log; }
    void finished(const QString &) override {}

private:
    QString m_log;
};

} // namespace compaction::testing
