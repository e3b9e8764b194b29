#pragma once

#include "ui/Colour.h"
#include "ui/ControlDesign.h"
#include "ui/ControlFont.h"
#include "ui/ControlKind.h"
#include "ui/Events.h"
#include "ui/Twips.h"

#include <QString>
#include <memory>

class QObject;
class QWidget;

namespace ui
{

class Form;
class ControlEventRelay;

// What every control of a form has. A program (or the translation) can walk a form's controls,
// tell their kind and read or write these properties without touching Qt.
class Control
{
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return m_name; }
    int index() const { return m_index; }
    ControlKind kind() const { return m_kind; }
    Form &form() const { return m_form; }
    Control *container() const { return m_container; }

    // Caption for labels, buttons, check and option boxes, frames and menu entries; Text for text
    // boxes and 3-D buttons. Kinds without either keep the value and show nothing.
    virtual QString text() const;
    virtual void setText(const QString &text);

    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip);
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool locked() const { return m_locked; }
    void setLocked(bool locked);

    ColourNumber backColour() const { return m_backColour; }
    void setBackColour(ColourNumber colour);
    void setBackColour(const QString &colour); // throws platform::Failure when the text is not a number
    ColourNumber foreColour() const { return m_foreColour; }
    void setForeColour(ColourNumber colour);
    void setForeColour(const QString &colour);

    const ControlFont &font() const { return m_font; }
    void setFont(const ControlFont &font);
    void setFontName(const QString &name); // an empty name keeps the font name
    void setFontSize(double size);
    void setFontBold(bool bold);
    void setFontUnderline(bool underline);
    void setFontCharset(int charset);

    // Place inside the container, in twips.
    virtual TwipsRect geometry() const { return m_geometry; }
    virtual void setGeometry(const TwipsRect &place);
    int left() const { return geometry().left; }
    int top() const { return geometry().top; }
    int width() const { return geometry().width; }
    int height() const { return geometry().height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int tabIndex);
    // Kinds that can hold the focus take part in the tab order and see keys.
    virtual bool takesFocus() const { return false; }
    // TabStop: false leaves a control that takes the focus out of the tab order; a click still
    // gives it the focus.
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);
    // Buttons that Enter clicks when they have the focus, as Space does.
    virtual bool clickedByEnter() const { return false; }
    void setFocus();
    bool hasFocus() const;

    // What a user's click does: runs the click event through Qt, as a real click would.
    virtual void click();

    // Events, each empty until the program sets it. Errors they throw that nobody traps end the
    // program with the run-time error report.
    Handler onClick;
    Handler onDblClick;
    Handler onChange;
    Handler onGotFocus;
    Handler onLostFocus;
    KeyHandler onKeyDown;
    KeyHandler onKeyUp;
    KeyPressHandler onKeyPress;
    MouseHandler onMouseMove;

    // The Qt widget that shows the control; null for menu entries.
    QWidget *widget() const { return m_widget; }
    // Where controls placed in this one live (frames and picture boxes); null for other kinds.
    virtual QWidget *childArea() const { return nullptr; }

protected:
    Control(Form &form, const ControlDesign &design, ControlKind kind, QWidget *widget);

    // The widget a new control of this design goes into.
    static QWidget *parentWidget(Form &form, const ControlDesign &design);

    // Pushes the model onto the widget; kinds whose colours or font live elsewhere override them.
    virtual void showColours();
    virtual void showFont();
    virtual void showToolTip();
    virtual void showVisible();
    virtual void showEnabled();
    virtual void showLocked() {}
    virtual void showGeometry();

    void raise(const Handler &handler) const;
    // Owner of the widget's signal connections: they end with the control.
    QObject *context() const;

private:
    friend class Form;
    friend class ControlEventRelay;
    void applyDesign(const ControlDesign &design);

    Form &m_form;
    QString m_name;
    int m_index;
    ControlKind m_kind;
    Control *m_container;
    QWidget *m_widget;
    std::unique_ptr<ControlEventRelay> m_relay;

    QString m_text;
    QString m_toolTip;
    QString m_tag;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_locked = false;
    ColourNumber m_backColour = ButtonFace;
    ColourNumber m_foreColour = ButtonText;
    ControlFont m_font;
    TwipsRect m_geometry;
    int m_tabIndex = -1;
    bool m_tabStop = true;
};

} // namespace ui
