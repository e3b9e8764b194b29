#pragma once

#include "compaction/cycle/CycleCaller.h"

namespace ui
{
class TextBox;
}

namespace compaction
{

// A caller whose status log is a window's text box; the program counts as ended once that
// window is no longer loaded ("Quitter" discards every form).
class StatusBoxCaller : public CycleCaller
{
public:
    explicit StatusBoxCaller(ui::TextBox &statusBox) : m_statusBox(statusBox) {}

    QString statusLog() const override;
    void setStatusLog(const QString &log) override;
    bool programEnded() const override;

private:
    ui::TextBox &m_statusBox;
};

} // namespace compaction
