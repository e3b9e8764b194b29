#include "ui/Control.h"

#include "ui/ControlEventRelay.h"
#include "ui/Form.h"
#include "ui/Program.h"

#include <QWidget>

namespace ui
{

Control::Control(Form &form, const ControlDesign &design, ControlKind kind, QWidget *widget)
    : m_form(form), m_name(design.name), m_index(design.index), m_kind(kind), m_container(design.container),
      m_widget(widget), m_relay(std::make_unique<ControlEventRelay>(*this)), m_font(form.font())
{
    if (m_widget) {
        m_widget->installEventFilter(m_relay.get());
        m_widget->setMouseTracking(true);
        // Mouse events stay with the control: the form's mouse-move is for its free area only.
        m_widget->setAttribute(Qt::WA_NoMousePropagation);
    }
}

Control::~Control() = default;

QWidget *Control::parentWidget(Form &form, const ControlDesign &design)
{
    if (design.container && design.container->childArea())
        return design.container->childArea();
    return form.clientArea();
}

void Control::applyDesign(const ControlDesign &design)
{
    m_tabIndex = design.tabIndex;
    m_visible = design.visible;
    setText(design.text);
    setToolTip(design.toolTip);
    setGeometry(design.place);
    showColours();
    showFont();
    showVisible();
}

QObject *Control::context() const
{
    return m_relay.get();
}

QString Control::text() const
{
    return m_text;
}

void Control::setText(const QString &text)
{
    m_text = text;
}

void Control::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip;
    showToolTip();
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    showVisible();
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    showEnabled();
}

void Control::setLocked(bool locked)
{
    m_locked = locked;
    showLocked();
}

void Control::setBackColour(ColourNumber colour)
{
    toQColor(colour); // refuses a number that is no colour
    m_backColour = colour;
    showColours();
}

void Control::setBackColour(const QString &colour)
{
    setBackColour(colourFromText(colour));
}

void Control::setForeColour(ColourNumber colour)
{
    toQColor(colour);
    m_foreColour = colour;
    showColours();
}

void Control::setForeColour(const QString &colour)
{
    setForeColour(colourFromText(colour));
}

void Control::setFont(const ControlFont &font)
{
    m_font = font;
    showFont();
}

void Control::setFontName(const QString &name)
{
    if (name.isEmpty())
        return;
    m_font.name = name;
    showFont();
}

void Control::setFontSize(double size)
{
    m_font.size = size;
    showFont();
}

void Control::setFontBold(bool bold)
{
    m_font.bold = bold;
    showFont();
}

void Control::setFontUnderline(bool underline)
{
    m_font.underline = underline;
    showFont();
}

void Control::setFontCharset(int charset)
{
    m_font.charset = charset;
}

void Control::setGeometry(const TwipsRect &place)
{
    m_geometry = place;
    showGeometry();
}

void Control::setLeft(int left)
{
    TwipsRect place = geometry();
    place.left = left;
    setGeometry(place);
}

void Control::setTop(int top)
{
    TwipsRect place = geometry();
    place.top = top;
    setGeometry(place);
}

void Control::setWidth(int width)
{
    TwipsRect place = geometry();
    place.width = width;
    setGeometry(place);
}

void Control::setHeight(int height)
{
    TwipsRect place = geometry();
    place.height = height;
    setGeometry(place);
}

void Control::setTabIndex(int tabIndex)
{
    m_tabIndex = tabIndex;
    m_form.applyTabOrder();
}

void Control::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    if (m_widget && takesFocus())
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::setFocus()
{
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const
{
    return m_widget && m_widget->hasFocus();
}

void Control::click()
{
    raise(onClick);
}

void Control::raise(const Handler &handler) const
{
    if (handler)
        runEvent(handler);
}

void Control::showColours()
{
    if (!m_widget)
        return;
    QPalette palette = m_widget->palette();
    const QColor back = toQColor(m_backColour);
    const QColor fore = toQColor(m_foreColour);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        palette.setColor(role, back);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, fore);
    m_widget->setPalette(palette);
    m_widget->setAutoFillBackground(true);
}

void Control::showFont()
{
    if (m_widget)
        m_widget->setFont(toQFont(m_font));
}

void Control::showToolTip()
{
    if (m_widget)
        m_widget->setToolTip(m_toolTip);
}

void Control::showVisible()
{
    if (m_widget)
        m_widget->setVisible(m_visible);
}

void Control::showEnabled()
{
    if (m_widget)
        m_widget->setEnabled(m_enabled);
}

void Control::showGeometry()
{
    if (m_widget)
        m_widget->setGeometry(toPixels(m_geometry, logicalDpi()));
}

} // namespace ui
