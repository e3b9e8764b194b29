#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("peluvar"));
    window.setWindowTitle(QStringLiteral("peluvar"));
    window.show();
    return app.exec();
}
