#include "translation-editor/TranslationForm.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("peluvar"));
    peluvar::TranslationForm window;
    return ui::runProgram([&window] { window.show(); });
}
