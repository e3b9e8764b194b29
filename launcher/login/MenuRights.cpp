#include "launcher/login/MenuRights.h"

#include "platform/TextCase.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Line.h"

namespace login
{

namespace
{

// Controls placed straight on the form have the form as their container.
QString nomConteneur(const ui::Control &control)
{
    return control.container() ? control.container()->name() : control.form().name();
}

// Picture boxes lower than the button and every line, when the host tagged them and the button,
// move up by the button's height.
void fermeVide(ui::Form &cible, const ui::Control &bouton)
{
    const QString conteneur = nomConteneur(bouton);
    const int hauteur = bouton.height();
    for (ui::Control *control : cible.controls()) {
        if (bouton.tag().isEmpty() || control->tag().isEmpty() || nomConteneur(*control) != conteneur)
            continue;
        if (control->kind() == ui::ControlKind::PictureBox) {
            if (control->top() > bouton.top())
                control->setTop(control->top() - hauteur);
        } else if (auto *ligne = dynamic_cast<ui::Line *>(control)) {
            ligne->setEnds(ligne->x1(), ligne->y1() - hauteur, ligne->x2(), ligne->y2() - hauteur);
        }
    }
}

void masqueBoutons(ui::Form &cible, const QString &nomMenu)
{
    for (ui::Control *control : cible.controls()) {
        if (!estBoutonAssocie(control->name(), nomMenu))
            continue;
        fermeVide(cible, *control);
        control->setVisible(false);
    }
}

} // namespace

bool estEntreeMenu(const QString &nomControle, const QString &nomMenu)
{
    return nomControle.startsWith(QStringLiteral("M_")) && nomControle == nomMenu;
}

bool estBoutonAssocie(const QString &nomControle, const QString &nomMenu)
{
    return platform::upperCase(nomControle) == QStringLiteral("CMD") + platform::upperCase(nomMenu.mid(1));
}

int positionFormeCible(qint16 numModule, int nombreFormes)
{
    const int position = numModule == 9 ? 0 : nombreFormes - 2;
    return position >= 0 && position < nombreFormes ? position : -1;
}

void appliqueDroits(ui::Form &cible, const std::vector<DroitMenu> &droits)
{
    for (const DroitMenu &droit : droits) {
        for (ui::Control *control : cible.controls()) {
            if (!estEntreeMenu(control->name(), droit.nom))
                continue;
            if (droit.acces != 0) {
                control->setTag(lectureSeule);
            } else {
                control->setVisible(false);
                masqueBoutons(cible, droit.nom);
            }
        }
    }
}

} // namespace login
