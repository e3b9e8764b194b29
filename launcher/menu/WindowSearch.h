#pragma once

#include "platform/WindowList.h"

#include <QString>

namespace menu
{

// The first visible top-level window, front first, whose title holds the word ignoring case; 0
// when there is none, also when the windows cannot be listed. Only the first 254 characters of a
// title count.
platform::WindowHandle Cherche_Fenetre(platform::WindowList &windows, const QString &word);

// A close request to every top-level window, hidden ones included, whose title holds the word
// with its case; the windows are not waited for. Throws platform::Failure when they cannot be
// listed.
void Ferme_Fenetres(platform::WindowList &windows, const QString &word);

// The close pass's step for one window: only the first 255 characters of its title count.
void Enum_Ferme_Fenetre(platform::WindowList &windows, const platform::TopLevelWindow &window,
                        const QString &word);

} // namespace menu
