#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("torbprod"));
    window.setWindowTitle(QStringLiteral("torbprod"));
    window.show();
    return app.exec();
}
