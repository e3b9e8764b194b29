#include "launcher/menu/SettingsWindows.h"

namespace menu
{

void SettingsWindows::showDataPaths()
{
    if (!m_dataPaths)
        m_dataPaths = std::make_unique<settings::FPARSYS>(m_context);
    m_dataPaths->form().show();
}

void SettingsWindows::showPersonalisation()
{
    if (!m_personalisation)
        m_personalisation = std::make_unique<settings::FPERSO>(m_context);
    m_personalisation->form().show();
}

} // namespace menu
