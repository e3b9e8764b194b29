#include "platform/KeySenderX11.h"

#include "platform/Failure.h"
#include "platform/KeySenderNotation.h"
#include "platform/X11Support.h"

#include <QHash>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace platform
{

namespace
{

KeySym namedKeySym(const QString &name)
{
    static const QHash<QString, KeySym> keys{
        {QStringLiteral("BACKSPACE"), XK_BackSpace},
        {QStringLiteral("BREAK"), XK_Break},
        {QStringLiteral("CAPSLOCK"), XK_Caps_Lock},
        {QStringLiteral("DELETE"), XK_Delete},
        {QStringLiteral("DOWN"), XK_Down},
        {QStringLiteral("END"), XK_End},
        {QStringLiteral("ENTER"), XK_Return},
        {QStringLiteral("ESC"), XK_Escape},
        {QStringLiteral("HELP"), XK_Help},
        {QStringLiteral("HOME"), XK_Home},
        {QStringLiteral("INSERT"), XK_Insert},
        {QStringLiteral("LEFT"), XK_Left},
        {QStringLiteral("NUMLOCK"), XK_Num_Lock},
        {QStringLiteral("PGDN"), XK_Next},
        {QStringLiteral("PGUP"), XK_Prior},
        {QStringLiteral("PRTSC"), XK_Print},
        {QStringLiteral("RIGHT"), XK_Right},
        {QStringLiteral("SCROLLLOCK"), XK_Scroll_Lock},
        {QStringLiteral("TAB"), XK_Tab},
        {QStringLiteral("UP"), XK_Up},
    };
    if (const auto found = keys.constFind(name); found != keys.cend())
        return found.value();
    return XK_F1 + KeySym(name.mid(1).toInt() - 1); // the notation knows no other names
}

KeySym keySym(const KeyStroke &stroke)
{
    if (stroke.key.size() != 1)
        return namedKeySym(stroke.key);
    const char32_t code = stroke.key.at(0).unicode();
    // Latin-1 characters are their own key symbols; the others carry their code point.
    return code < 0x100 ? KeySym(code) : KeySym(0x01000000 | code);
}

struct Key {
    KeyCode code = 0;
    bool shifted = false; // the symbol is the key's second level
};

Key keyFor(Display *display, const KeyStroke &stroke)
{
    const KeySym wanted = keySym(stroke);
    const KeyCode code = XKeysymToKeycode(display, wanted);
    if (code == 0)
        throw Failure(QStringLiteral("Touche introuvable sur le clavier : %1").arg(stroke.key));
    return {code, XkbKeycodeToKeysym(display, code, 0, 0) != wanted &&
                      XkbKeycodeToKeysym(display, code, 0, 1) == wanted};
}

// The window that receives keyboard input: the focus window, or the one under the pointer when
// the focus follows the pointer; None when nothing takes keys.
Window keyboardWindow(Display *display)
{
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus != PointerRoot)
        return focus;
    Window root = None;
    Window child = None;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return child != None ? child : root;
}

void sendKey(Display *display, Window window, const Key &key, const KeyStroke &stroke)
{
    XEvent event{};
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.subwindow = None;
    event.xkey.time = CurrentTime;
    event.xkey.same_screen = True;
    event.xkey.keycode = key.code;
    event.xkey.state = (key.shifted || stroke.shift ? ShiftMask : 0) | (stroke.control ? ControlMask : 0) |
                       (stroke.alt ? Mod1Mask : 0);
    event.type = KeyPress;
    XSendEvent(display, window, True, KeyPressMask, &event);
    event.type = KeyRelease;
    XSendEvent(display, window, True, KeyReleaseMask, &event);
}

} // namespace

X11KeySender::X11KeySender(QByteArray displayName) : m_connection(std::move(displayName)) {}

void X11KeySender::send(const QString &keys)
{
    const std::vector<KeyStroke> strokes = parseKeyNotation(keys);
    Display *connection = m_connection.display();
    std::vector<Key> codes;
    for (const KeyStroke &stroke : strokes)
        codes.push_back(keyFor(connection, stroke));
    x11::ErrorTrap trap(connection);
    const Window window = keyboardWindow(connection);
    if (window == None)
        return;
    for (std::size_t i = 0; i < strokes.size(); ++i)
        sendKey(connection, window, codes[i], strokes[i]);
    XFlush(connection);
}

} // namespace platform
