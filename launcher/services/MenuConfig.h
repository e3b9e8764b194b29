#pragma once

#include "launcher/services/Couleur.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace services
{

// The three colours of menuconfig.ini, in the order of its lines.
struct MenuColours {
    Couleur frmBackColor; // FRM_BACKCOLOR: menu window background
    Couleur btnBackColor; // BTN_BACKCOLOR: 3-D button background
    Couleur btnForeColor; // BTN_FORECOLOR: 3-D button text
};

// What the lines of menuconfig.ini set: for each key, the value of its last line before the first
// empty one, as text; a key found anywhere in the upper-cased line counts, and its value is the
// line without the key and every "=". An empty value sets nothing.
struct MenuColourTexts {
    std::optional<QString> frmBackColor;
    std::optional<QString> btnBackColor;
    std::optional<QString> btnForeColor;
};
MenuColourTexts menuColoursFromLines(const QStringList &lines);

// The colours with those that the file sets replaced by the text found.
MenuColours applyMenuColourTexts(MenuColours colours, const MenuColourTexts &texts);

// The file as written: the section line, the three keys with their colours and an empty line,
// each ended by CR LF.
QByteArray menuConfigText(const MenuColours &colours);

// Writes menuconfig.ini whole at path (storage::writeWholeFile): an old file stays as it was until
// the new one is complete and flushed. Throws platform::Failure.
void writeMenuConfig(const QString &path, const MenuColours &colours);

} // namespace services
