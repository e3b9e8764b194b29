// A host for the unattended compaction: sets CheminMDB to its argument and shows the window,
// which compacts and unloads itself; the program ends with it.
// Usage: autocompact-host <database folder>
#include "launcher/autocompact/FAUTOPressolite.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("autocompact-host"));
    services::SharedState state;
    if (argc > 1)
        state.CheminMDB = QString::fromLocal8Bit(argv[1]);
    autocompact::FAUTOPressolite window(state);
    return ui::runProgram([&window] { window.show(); });
}
