#include "launcher/services/ActiveAppli.h"
#include "platform/WindowActivationX11.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using services::Active_Appli;

namespace
{

constexpr int PurchasingSlot = 5;

// Bound on the stand-in's start-up until its window is mapped; it normally takes a fraction of it.
constexpr int WindowWaitSteps = 300;
constexpr int WindowWaitStepMs = 50;

// The module stand-ins are all the test needs of an installation.
tools::SampleOptions withoutPrograms()
{
    tools::SampleOptions options;
    options.withPrograms = false;
    return options;
}

} // namespace

class ActiveAppli : public testing::Test
{
protected:
    void SetUp() override
    {
        module.setProcessEnvironment(server.programEnvironment());
        module.setWorkingDirectory(installation.data());
        module.start(installation.programs() + QStringLiteral("/torbapro/torbapro"), {});
        ASSERT_TRUE(module.waitForStarted());
    }
    void TearDown() override
    {
        module.kill();
        module.waitForFinished();
    }

    // The module's window is up once the platform can activate it.
    bool moduleWindowShown()
    {
        for (int step = 0; step < WindowWaitSteps; ++step) {
            if (activator.activate(module.processId()))
                return true;
            QThread::msleep(WindowWaitStepMs);
        }
        return false;
    }

    testing_support::XvfbServer server;
    testing_support::TempInstallation installation{withoutPrograms()};
    QProcess module;
    platform::X11WindowActivator activator;
    services::SharedState etat;
};

TEST_F(ActiveAppli, RunningModuleIsActivatedAndKeepsItsSlot)
{
    ASSERT_TRUE(moduleWindowShown());
    etat.Tab_Taches[PurchasingSlot] = module.processId();
    EXPECT_TRUE(Active_Appli(etat, activator, PurchasingSlot));
    EXPECT_EQ(etat.Tab_Taches[PurchasingSlot], module.processId());
}

TEST_F(ActiveAppli, EndedModuleClearsItsSlot)
{
    ASSERT_TRUE(moduleWindowShown());
    etat.Tab_Taches[PurchasingSlot] = module.processId();
    module.kill();
    module.waitForFinished();

    EXPECT_FALSE(Active_Appli(etat, activator, PurchasingSlot));
    EXPECT_EQ(etat.Tab_Taches[PurchasingSlot], 0);
    EXPECT_FALSE(Active_Appli(etat, activator, PurchasingSlot));
}

TEST_F(ActiveAppli, EmptySlotIsNoModule)
{
    ASSERT_TRUE(moduleWindowShown());
    etat.Tab_Taches[1] = module.processId();
    EXPECT_FALSE(Active_Appli(etat, activator, PurchasingSlot));
    EXPECT_EQ(etat.Tab_Taches[PurchasingSlot], 0);
    EXPECT_EQ(etat.Tab_Taches[1], module.processId());
}
