#include "compaction/FPressolite.h"
#include "platform/Files.h"
#include "ui/Program.h"

#include <QApplication>

// The command line (the launcher passes the data folder) is not read: the folder comes from the
// folder table or from the user.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pressolite"));
    compaction::FPressolite window(platform::programFolder());
    return ui::runProgram([&window] { window.show(); });
}
