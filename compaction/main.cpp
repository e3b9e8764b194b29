#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("pressolite"));
    window.setWindowTitle(QStringLiteral("pressolite"));
    window.show();
    return app.exec();
}
