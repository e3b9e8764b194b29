#include "ui/Form.h"
#include "ui/ModalShow.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

TEST(ModalShow, ReturnsOnceTheFormUnloadedItselfFromItsEvents)
{
    ui::Form host(QStringLiteral("HOTE"));
    ui::Form dialog(QStringLiteral("F_MDP"));
    host.show();
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = dialog.window()->isModal();
        dialog.unload();
    });
    ui::showModal(dialog);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_FALSE(dialog.window()->isModal());
    EXPECT_TRUE(host.isShown());
    host.discard();
}

TEST(ModalShow, AFormThatUnloadsInItsLoadDoesNotWait)
{
    ui::Form dialog(QStringLiteral("F_MDP"));
    dialog.onLoad = [&] { dialog.discard(); };
    ui::showModal(dialog);
    EXPECT_FALSE(dialog.isLoaded());
}

} // namespace
