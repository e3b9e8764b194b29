#pragma once

#include "launcher/services/SharedState.h"
#include "platform/Charset.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace ui
{
class Control;
class Form;
} // namespace ui

namespace services
{

using ConverterFactory = std::function<std::unique_ptr<platform::CharsetConverter>()>;

// The iconv converter; throws platform::Failure where the system has none.
std::unique_ptr<platform::CharsetConverter> createIconvConverter();

// The launcher's translation runtime: loads the chosen language into TMP_TRAD of BDLOC.MDB at
// start, then translates single texts and whole forms from it. Message boxes go through
// ui::dialogs().
class Traduction
{
public:
    explicit Traduction(SharedState &etat, ConverterFactory createConverter = createIconvConverter);

    // Refills TMP_TRAD from BDTRAD.MDB for Num_Langue and opens RS_TRAD on it; BDLOC.MDB is found in
    // the live current directory. Throws LauncherEnd after its message when either database is
    // missing, platform::Failure for every other failure.
    void Init_Traduction();

    // texte in the current language, its outer blanks kept; texte unchanged when there is none.
    // With a second argument, of any value, the translation is not converted to the target
    // character set.
    QString TRAD(const QString &texte, const std::optional<QVariant> &deuxieme = std::nullopt);

    // Translates the form's caption and the texts of its controls in place; never fails.
    void TRAD_Form(ui::Form &form);

private:
    platform::CharsetConverter &converter();
    std::optional<QString> lookUp(const QString &texte);
    void translateControl(ui::Control &control);

    SharedState &m_etat;
    ConverterFactory m_createConverter;
    std::unique_ptr<platform::CharsetConverter> Conv_Charset;
};

} // namespace services
