#pragma once

#include <QString>

namespace compaction
{

// What the caller of a run supplies: the status log it shows and what it does at the hooks.
class CycleCaller
{
public:
    virtual ~CycleCaller() = default;

    virtual QString statusLog() const = 0;
    virtual void setStatusLog(const QString &log) = 0;

    // Before each database, just before the run yields to the event loop.
    virtual void beforeDatabase(const QString &source) { (void)source; }
    // After the failure line is in the status log; the run stops next.
    virtual void compactionFailed(const QString &source, const QString &description)
    {
        (void)source;
        (void)description;
    }
    virtual void finished(const QString &outcome) = 0;

    // Asked after each yield: whether the program was ended meanwhile ("Quitter"), in which case
    // the run stops there, before the next compaction, without any hook.
    virtual bool programEnded() const { return false; }
};

} // namespace compaction
