// A host for the login dialog: shows its own main form (menu entries M_Stock, M_Commandes and
// M_Tarifs with their buttons), then the dialog, and prints the outcome once the dialog has gone;
// the main form stays with the profile's rights applied until it is closed.
// Usage: login-host <module database> [module number, 1 by default; 9 stands for module 1]
#include "launcher/login/F_MDP.h"
#include "ui/Line.h"
#include "ui/MenuEntry.h"
#include "ui/ModalShow.h"
#include "ui/PictureBox.h"
#include "ui/Program.h"
#include "ui/ThreeDButton.h"

#include <QApplication>
#include <QTextStream>

namespace
{

// The host's main form: one menu and a bar of buttons, the lines between them tagged so that a
// hidden button's gap closes.
class HostForm : public ui::Form
{
public:
    HostForm() : ui::Form(QStringLiteral("FHOTE"))
    {
        setCaption(QStringLiteral("Module hôte"));
        setClientSize(3000, 2000);
        auto &fichier = addMenu(QStringLiteral("M_Fichier"), QStringLiteral("&Fichier"));
        auto &barre = add<ui::PictureBox>({QStringLiteral("Pic_Boutons"), {0, 0, 3000, 2000}});
        const QStringList noms{QStringLiteral("Stock"), QStringLiteral("Commandes"),
                               QStringLiteral("Tarifs")};
        for (int i = 0; i < noms.size(); ++i) {
            addMenu(QStringLiteral("M_") + noms[i], noms[i], &fichier);
            auto &bouton =
                add<ui::ThreeDButton>(ui::ControlDesign(QStringLiteral("Cmd_") + noms[i],
                                                        {120, 120 + i * 600, 2700, 480}, noms[i], i)
                                          .inside(barre));
            bouton.setTag(noms[i]);
            auto &ligne =
                add<ui::Line>(ui::ControlDesign(QStringLiteral("Lin_Sous") + noms[i]).inside(barre));
            ligne.setEnds(120, 660 + i * 600, 2820, 660 + i * 600);
            ligne.setTag(noms[i]);
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        QTextStream(stderr) << "Usage: login-host <module database> [module number]\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("login-host"));
    services::SharedState etat;
    etat.Num_Module = argc > 2 ? static_cast<qint16>(QString::fromLocal8Bit(argv[2]).toShort()) : 1;
    services::Traduction traduction(etat);
    HostForm principale;
    login::F_MDP dialogue(etat, traduction);
    return ui::runProgram([&] {
        // Module 9 takes its number from Tab_Module; module 6 shares the database of module 3.
        if (etat.Num_Module == 9)
            etat.Tab_Module = {1};
        const int entree = etat.Num_Module == 9 ? 1 : etat.Num_Module == 6 ? 3 : etat.Num_Module;
        if (entree >= 1 && entree <= 5)
            etat.DB_Module[static_cast<std::size_t>(entree - 1)].base =
                storage::Database::open(QString::fromLocal8Bit(argv[1]), storage::Access::ReadOnly);
        principale.show();
        ui::showModal(dialogue.form());
        QTextStream(stdout) << "MDP_OK=" << (etat.MDP_OK ? 1 : 0) << " Profil_Courant=" << etat.Profil_Courant
                            << Qt::endl;
    });
}
