#include "translation-editor/LanguageAnswer.h"

namespace peluvar
{

std::optional<int> languageFromAnswer(const QString &answer)
{
    if (answer == QLatin1String("1"))
        return 1;
    if (answer == QLatin1String("2"))
        return 2;
    return std::nullopt;
}

} // namespace peluvar
