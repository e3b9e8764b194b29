#include "launcher/menu/WindowSearch.h"

#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace menu
{

namespace
{

// The title buffers of the search and of the close pass hold one character less than their size.
constexpr int searchTitleLength = 254;
constexpr int closeTitleLength = 255;

} // namespace

platform::WindowHandle Cherche_Fenetre(platform::WindowList &windows, const QString &word)
{
    try {
        for (const platform::TopLevelWindow &window : windows.topLevelWindows()) {
            const QString title = window.title.left(searchTitleLength);
            if (!title.isEmpty() && window.visible &&
                platform::upperCase(title).contains(platform::upperCase(word)))
                return window.handle;
        }
    } catch (const platform::Failure &) {
    }
    return 0;
}

void Ferme_Fenetres(platform::WindowList &windows, const QString &word)
{
    for (const platform::TopLevelWindow &window : windows.topLevelWindows())
        Enum_Ferme_Fenetre(windows, window, word);
}

void Enum_Ferme_Fenetre(platform::WindowList &windows, const platform::TopLevelWindow &window,
                        const QString &word)
{
    if (window.title.left(closeTitleLength).contains(word))
        windows.requestClose(window.handle);
}

} // namespace menu
