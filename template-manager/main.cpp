#include "platform/Files.h"
#include "platform/OfficeLibreOffice.h"
#include "template-manager/TemplateManagerStart.h"
#include "ui/Program.h"

#include <QApplication>

// The command line (the launcher passes the data folder) is not read: only the current folder counts.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("modarin"));
    platform::SystemProcessStarter starter;
    platform::LibreOffice office(starter, qEnvironmentVariable("PATH"));
    std::unique_ptr<modarin::FModarin> window;
    return ui::runProgram([&] {
        window = modarin::Main({platform::currentDirectory(), platform::programFolder()}, office);
    });
}
