#pragma once

#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"

namespace settings
{

// FPERSO as designed, before its load: the colour buttons with their 3-D sample, the INI text box
// with its two buttons, the two language options with their apply button, and the close button.
class PersoForm : public ui::Form
{
public:
    PersoForm();

    ui::CommandButton &button(const QString &name) const { return get<ui::CommandButton>(name); }
    ui::ThreeDButton &sample() const { return get<ui::ThreeDButton>(QStringLiteral("CMD_Bouton")); }
    ui::TextBox &iniText() const { return get<ui::TextBox>(QStringLiteral("CTX_FICINI")); }
    ui::OptionButton &language(int index) const
    {
        return get<ui::OptionButton>(QStringLiteral("Opt_Langue"), index);
    }

    // Neither language option selected, as when the window is first designed.
    void clearLanguageChoice();
};

} // namespace settings
