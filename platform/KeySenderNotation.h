#pragma once

#include <QString>
#include <vector>

namespace platform
{

// One key to press, with the modifiers held down while it is.
struct KeyStroke {
    QString key; // one character, or a key name in upper case: "TAB", "ENTER", "F1"...
    bool shift = false;
    bool control = false;
    bool alt = false;

    bool operator==(const KeyStroke &) const = default;
};

// The strokes of a text in the scripting host's key notation: plain characters stand for
// themselves; "{TAB}", "{ENTER}", "{F1}"... name keys ("{ENTER 3}" repeats one); "{+}" and the
// like are the characters that the notation uses; "~" is Enter; "+", "^" and "%" hold Shift,
// Ctrl and Alt for the next key, or for every key of a following group in brackets. Throws
// platform::Failure for a text that does not follow the notation.
std::vector<KeyStroke> parseKeyNotation(const QString &keys);

} // namespace platform
