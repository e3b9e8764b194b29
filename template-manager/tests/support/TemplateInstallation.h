#pragma once

#include "template-manager/TemplateManagerStart.h"
#include "template-manager/tests/support/RecordingOffice.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace templates_testing
{

// A sample installation without the built programs (its program folder holds SIGNETS.MDB), the
// template manager's start folders on it (current folder: the data folder; installation folder:
// an empty folder of its own), an office double and the dialog double.
class TemplateInstallation : public ::testing::Test
{
protected:
    explicit TemplateInstallation(tools::SampleOptions options = {});
    ~TemplateInstallation() override;

    // Runs the start procedure; the window it shows is discarded at the end of the test.
    modarin::FModarin *start();

    // The template folder as the folder table stores it.
    QString templateFolder() const { return m_installation.templates() + QLatin1Char('/'); }

    testing_support::TempInstallation m_installation;
    modarin::StartFolders m_folders;
    RecordingOffice m_office;
    ui::testing::ScriptedDialogs m_dialogs;
    std::unique_ptr<modarin::FModarin> m_window;
};

} // namespace templates_testing
