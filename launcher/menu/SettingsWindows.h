#pragma once

#include "launcher/settings/FPARSYS.h"
#include "launcher/settings/FPERSO.h"
#include "launcher/settings/SettingsContext.h"

#include <memory>

namespace menu
{

// The two settings windows of the tools menu, one of each: built on first choice, then shown
// modeless again and again; a window that closed itself loads anew when it is shown again.
class SettingsWindows
{
public:
    explicit SettingsWindows(const settings::SettingsContext &context) : m_context(context) {}

    void showDataPaths();
    void showPersonalisation();

    settings::FPARSYS *dataPaths() const { return m_dataPaths.get(); }
    settings::FPERSO *personalisation() const { return m_personalisation.get(); }

private:
    settings::SettingsContext m_context;
    std::unique_ptr<settings::FPARSYS> m_dataPaths;
    std::unique_ptr<settings::FPERSO> m_personalisation;
};

} // namespace menu
