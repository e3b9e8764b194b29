#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("modarin"));
    window.setWindowTitle(QStringLiteral("modarin"));
    window.show();
    return app.exec();
}
