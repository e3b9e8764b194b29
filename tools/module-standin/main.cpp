#include "tools/modules/StandInTexts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

// Takes its module from the name it was installed under (/proc/self/exe keeps that name for a hard
// link or a copy), so one program serves every module folder.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();

    QLabel window(tools::standInText(programName, QDir::currentPath()));
    window.setWindowTitle(tools::standInTitle(programName));
    window.setMargin(24);
    window.setMinimumSize(480, 160);
    window.show();
    return app.exec();
}
