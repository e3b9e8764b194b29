#include "template-manager/tests/support/TemplateInstallation.h"

#include <QDir>

namespace templates_testing
{

TemplateInstallation::TemplateInstallation(tools::SampleOptions options)
    : m_installation([&options] {
          options.withPrograms = false;
          return options;
      }())
{
    QDir(m_installation.root()).mkdir(QStringLiteral("torbprod"));
    m_folders = {m_installation.data(), m_installation.programs(), m_installation.path("torbprod/")};
}

TemplateInstallation::~TemplateInstallation()
{
    if (m_window)
        m_window->discard();
}

modarin::FModarin *TemplateInstallation::start()
{
    m_window = modarin::Main(m_folders, m_office);
    return m_window.get();
}

} // namespace templates_testing
