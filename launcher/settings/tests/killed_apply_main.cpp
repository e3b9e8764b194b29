// Opens the data-path window on a data folder and applies a server folder to every product,
// killing itself with SIGKILL at one chosen moment of the apply: before each write, truncation or
// deletion of a file by SQLite. Without a kill it prints "moments <n>" and exits with 0, or with 1
// when the window showed a message (printed before).
// Usage: settings_killed_apply <data folder ending with "/"> <server folder> <moment>
//        (counted from 0; -1: none)
#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "launcher/settings/FPARSYS.h"
#include "platform/Files.h"
#include "tests/support/fixtures/KilledAtMoment.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace
{

class PrintedDialogs : public ui::Dialogs
{
public:
    ui::Answer message(const QString &text, ui::MessageButtons, const QString &) override
    {
        std::printf("message %s\n", text.toUtf8().constData());
        shown = true;
        return ui::Answer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    void setMousePointer(ui::MousePointer) override {}

    bool shown = false;
};

class NoKeys : public platform::KeySender
{
public:
    void send(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing_support::installMomentVfs();
    QApplication app(argc, argv);
    const QString data = QString::fromLocal8Bit(argv[1]);
    platform::setCurrentDirectory(data);
    PrintedDialogs dialogs;
    ui::installDialogs(&dialogs);
    services::SharedState etat;
    etat.Rep_Donnees = data;
    etat.DB_Path = storage::Database::open(data + QStringLiteral("DBPATH.MDB"));
    services::Traduction traduction(etat);
    NoKeys keys;
    ui::Form menu(QStringLiteral("MENUPROD"));
    settings::FPARSYS fparsys({etat, traduction, keys, menu});
    fparsys.form().show();
    fparsys.window().CTX_PathServeur().setText(QString::fromLocal8Bit(argv[2]));

    testing_support::countMoments(std::atoi(argv[3]));
    fparsys.window().CMD_MajPath().click();
    std::printf("moments %d\n", testing_support::momentsCounted());
    return dialogs.shown ? 1 : 0;
}
