#pragma once

#include <QString>
#include <optional>

namespace peluvar
{

// The translation column chosen at the language question: 1 or 2 for the answer "1" or "2"
// exactly; any other text (blanks around the digit included) is no answer.
std::optional<int> languageFromAnswer(const QString &answer);

} // namespace peluvar
