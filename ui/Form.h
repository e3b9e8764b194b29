#pragma once

#include "platform/Failure.h"
#include "ui/Colour.h"
#include "ui/Control.h"
#include "ui/ControlFont.h"
#include "ui/Events.h"

#include <QIcon>
#include <QString>
#include <memory>
#include <vector>

class QWidget;
class QMenuBar;

namespace ui
{

class FormWindow;
class MenuEntry;

enum class BorderStyle {
    Sizable,     // the user may resize it; minimise and maximise buttons
    FixedSingle, // fixed size, no minimise and no maximise button
    None,        // no border and no caption bar
};

enum class StartUpPosition { Manual, CentreScreen };

// A window built in code from its design table. Its controls are kept in design order (the order
// of add), menu entries and controls inside containers included.
class Form
{
public:
    explicit Form(const QString &name);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const QString &name() const { return m_name; }
    QString caption() const;
    void setCaption(const QString &caption);

    ColourNumber backColour() const { return m_backColour; }
    void setBackColour(ColourNumber colour);
    void setBackColour(const QString &colour); // throws platform::Failure when the text is not a number
    ColourNumber foreColour() const { return m_foreColour; }
    void setForeColour(ColourNumber colour);

    // The form's font is the one new controls start with.
    const ControlFont &font() const { return m_font; }
    void setFont(const ControlFont &font) { m_font = font; }
    void setIcon(const QIcon &icon);

    BorderStyle borderStyle() const { return m_border; }
    void setBorderStyle(BorderStyle border);
    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool keyPreview) { m_keyPreview = keyPreview; }
    StartUpPosition startUpPosition() const { return m_startUp; }
    void setStartUpPosition(StartUpPosition position) { m_startUp = position; }

    // Outer place on the screen, in twips, border and caption bar included once shown.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    // Inner area, where the controls lie (ScaleWidth, ScaleHeight).
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height);

    // Design: adds a control of kind T (Label, TextBox, ThreeDButton...) at the end of the collection.
    template <class T> T &add(const ControlDesign &design)
    {
        auto control = std::make_unique<T>(*this, design);
        T &added = *control;
        adopt(std::move(control), design);
        return added;
    }
    // Design: adds a menu entry under parent, or at the top level when parent is null.
    MenuEntry &addMenu(const QString &name, const QString &caption, MenuEntry *parent = nullptr,
                       bool visible = true);

    const std::vector<Control *> &controls() const { return m_order; }
    // The control of that name (and index, for an element of a control array), or null.
    Control *find(const QString &name, int index = -1) const;
    // As find, of kind T; throws platform::Failure when there is none.
    template <class T> T &get(const QString &name, int index = -1) const
    {
        if (auto *found = dynamic_cast<T *>(find(name, index)))
            return *found;
        throw platform::Failure(QStringLiteral("Contrôle introuvable : %1").arg(name), 730);
    }

    // Life of the form: load runs the load event once and enters the loaded forms; show loads
    // first; unload asks the unload event, and returns false when it cancelled.
    bool isLoaded() const { return m_loaded; }
    void load();
    void show();
    void hide();
    bool unload();
    bool isShown() const;

    Handler onLoad;
    Handler onActivate;
    UnloadHandler onUnload;
    KeyHandler onKeyDown;
    KeyPressHandler onKeyPress;
    MouseHandler onMouseMove;
    // Raised once, when the window is first on screen with a border and caption bar whose size
    // the window system has told: outer sizes read before (width, height) lacked them. Never
    // raised where nothing frames the window.
    Handler onFrameKnown;

    // Unloads without the unload event (End, or the end after a run-time error).
    void discard();

    QWidget *window() const;
    QWidget *clientArea() const;

private:
    friend class Control;
    friend class ControlEventRelay;
    friend class FormWindow;
    friend class MenuEntry;

    void adopt(std::unique_ptr<Control> control, const ControlDesign &design);
    QMenuBar *menuBar();
    bool hasMenuBar() const;
    void showMenuBar();
    void setWindowSize(int width, int height);
    std::vector<Control *> tabOrder() const;
    void applyTabOrder();
    void focusFirstControl();
    void applyWindowFlags();
    void place();
    void dockControls();
    void activated();
    void exposed();
    // Close request from the window (close button, Alt+F4): true when the form unloaded.
    bool closeRequested();

    QString m_name;
    std::unique_ptr<FormWindow> m_window;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control *> m_order;
    ColourNumber m_backColour = ButtonFace;
    ColourNumber m_foreColour = ButtonText;
    ControlFont m_font;
    BorderStyle m_border = BorderStyle::Sizable;
    bool m_keyPreview = false;
    StartUpPosition m_startUp = StartUpPosition::Manual;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_placed = false;
    bool m_frameKnown = false;
    // The key a control has just handled: the form's own key events pass over it when it bubbles up.
    const void *m_controlKey = nullptr;
};

// The application's loaded forms, in loading order.
const std::vector<Form *> &loadedForms();

} // namespace ui
