#include "ui/Form.h"

#include "ui/FormWindow.h"
#include "ui/MenuEntry.h"
#include "ui/Program.h"
#include "ui/StatusBar.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace ui
{

namespace
{

std::vector<Form *> &registry()
{
    static std::vector<Form *> forms;
    return forms;
}

// The form the user last worked in: Activate runs only when another form of the program takes over.
Form *activeForm = nullptr;

void forget(Form *form)
{
    auto &forms = registry();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
    if (activeForm == form)
        activeForm = nullptr;
}

} // namespace

const std::vector<Form *> &loadedForms()
{
    return registry();
}

Form::Form(const QString &name) : m_name(name), m_window(std::make_unique<FormWindow>(*this))
{
    m_window->setObjectName(name);
    setBackColour(m_backColour);
}

Form::~Form()
{
    forget(this);
    m_order.clear();
    m_controls.clear(); // before the window, which owns their widgets
}

QString Form::caption() const
{
    return m_window->windowTitle();
}

void Form::setCaption(const QString &caption)
{
    m_window->setWindowTitle(caption);
}

void Form::setBackColour(ColourNumber colour)
{
    QPalette palette = m_window->clientArea()->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    m_backColour = colour;
    m_window->clientArea()->setPalette(palette);
    m_window->clientArea()->setAutoFillBackground(true);
}

void Form::setBackColour(const QString &colour)
{
    setBackColour(colourFromText(colour));
}

void Form::setForeColour(ColourNumber colour)
{
    QPalette palette = m_window->clientArea()->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    m_foreColour = colour;
    m_window->clientArea()->setPalette(palette);
}

void Form::setIcon(const QIcon &icon)
{
    m_window->setWindowIcon(icon);
}

void Form::setBorderStyle(BorderStyle border)
{
    m_border = border;
    applyWindowFlags();
    setWindowSize(m_window->width(), m_window->height());
}

void Form::applyWindowFlags()
{
    const bool shown = m_window->isVisible();
    Qt::WindowFlags flags = Qt::Window;
    if (m_border == BorderStyle::FixedSingle)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
    else if (m_border == BorderStyle::None)
        flags |= Qt::FramelessWindowHint;
    m_window->setWindowFlags(flags);
    if (shown)
        m_window->show();
}

void Form::setWindowSize(int width, int height)
{
    if (m_border == BorderStyle::Sizable) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(width, height);
    } else {
        m_window->setFixedSize(width, height);
    }
    m_window->layoutParts();
    dockControls();
}

namespace
{
// Border and caption bar around the window, as far as the window system tells them; a window
// manager that frames windows itself makes them known only once the window is on screen, so a
// window not made yet has none (and is not made early for them).
QSize frameExtra(QWidget *window)
{
    const QMargins margins = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}
} // namespace

int Form::left() const
{
    return pixelsToTwips(m_window->x());
}

int Form::top() const
{
    return pixelsToTwips(m_window->y());
}

int Form::width() const
{
    return pixelsToTwips(m_window->width() + frameExtra(m_window.get()).width());
}

int Form::height() const
{
    return pixelsToTwips(m_window->height() + frameExtra(m_window.get()).height());
}

void Form::setLeft(int left)
{
    m_window->move(twipsToPixels(left), m_window->y());
}

void Form::setTop(int top)
{
    m_window->move(m_window->x(), twipsToPixels(top));
}

void Form::setWidth(int width)
{
    setWindowSize(twipsToPixels(width) - frameExtra(m_window.get()).width(), m_window->height());
}

void Form::setHeight(int height)
{
    setWindowSize(m_window->width(), twipsToPixels(height) - frameExtra(m_window.get()).height());
}

int Form::clientWidth() const
{
    return pixelsToTwips(m_window->clientArea()->width());
}

int Form::clientHeight() const
{
    return pixelsToTwips(m_window->clientArea()->height());
}

void Form::setClientSize(int width, int height)
{
    setWindowSize(twipsToPixels(width), twipsToPixels(height) + m_window->menuBarHeight());
}

void Form::adopt(std::unique_ptr<Control> control, const ControlDesign &design)
{
    Control *added = control.get();
    m_controls.push_back(std::move(control));
    m_order.push_back(added);
    added->applyDesign(design);
    dockControls();
}

MenuEntry &Form::addMenu(const QString &name, const QString &caption, MenuEntry *parent, bool visible)
{
    ControlDesign design(name, {}, caption);
    if (!visible)
        design.hidden();
    auto entry = std::make_unique<MenuEntry>(*this, design, parent);
    MenuEntry &added = *entry;
    adopt(std::move(entry), design);
    return added;
}

// Made with the first visible top-level entry; it takes the top-level entries added before.
QMenuBar *Form::menuBar()
{
    if (m_window->hasMenuBar())
        return m_window->menuBar();
    QMenuBar *bar = m_window->menuBar();
    for (Control *control : m_order)
        if (auto *entry = dynamic_cast<MenuEntry *>(control); entry && !entry->parent())
            bar->addAction(entry->action());
    return bar;
}

bool Form::hasMenuBar() const
{
    return m_window->hasMenuBar();
}

// The bar shows while a top-level entry is visible; the client area keeps its size.
void Form::showMenuBar()
{
    const bool wanted = std::any_of(m_order.begin(), m_order.end(), [](Control *control) {
        auto *entry = dynamic_cast<MenuEntry *>(control);
        return entry && !entry->parent() && entry->visible();
    });
    if (!wanted && !hasMenuBar())
        return;
    QMenuBar *bar = menuBar();
    if (wanted == !bar->isHidden())
        return;
    const int clientHeight = m_window->clientArea()->height();
    bar->setVisible(wanted);
    setWindowSize(m_window->width(), clientHeight + m_window->menuBarHeight());
}

Control *Form::find(const QString &name, int index) const
{
    for (Control *control : m_order)
        if (control->name() == name && control->index() == index)
            return control;
    return nullptr;
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    registry().push_back(this);
    try {
        if (onLoad)
            onLoad();
    } catch (...) {
        m_loaded = false;
        forget(this);
        throw;
    }
}

void Form::show()
{
    load();
    if (!m_loaded)
        return; // the load unloaded the form again
    if (!m_placed) {
        m_placed = true;
        applyTabOrder();
        focusFirstControl();
        place();
    }
    m_window->show();
    m_window->watchExposure();
    m_window->activateWindow();
    activated();
}

void Form::exposed()
{
    if (m_frameKnown || !m_loaded || frameExtra(m_window.get()).isNull())
        return;
    m_frameKnown = true;
    if (onFrameKnown)
        runEvent(onFrameKnown);
}

void Form::place()
{
    if (m_startUp != StartUpPosition::CentreScreen)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = m_window->size() + frameExtra(m_window.get());
    m_window->move(area.x() + (area.width() - outer.width()) / 2,
                   area.y() + (area.height() - outer.height()) / 2);
}

void Form::hide()
{
    m_window->hide();
}

bool Form::isShown() const
{
    return m_window->isVisible();
}

bool Form::unload()
{
    if (!m_loaded)
        return true;
    bool cancel = false;
    if (onUnload)
        onUnload(cancel);
    if (cancel)
        return false;
    discard();
    detail::quitWhenNoForms();
    return true;
}

void Form::discard()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    forget(this);
    m_placed = false; // loaded again, it is placed and focused as at its first show
    m_unloading = true;
    m_window->close();
    m_unloading = false;
}

void Form::activated()
{
    if (!m_loaded || activeForm == this)
        return;
    activeForm = this;
    if (onActivate)
        onActivate();
}

bool Form::closeRequested()
{
    runEvent([this] { unload(); });
    return !m_loaded;
}

std::vector<Control *> Form::tabOrder() const
{
    std::vector<Control *> order;
    for (Control *control : m_order)
        if (control->takesFocus() && control->tabStop() && control->widget())
            order.push_back(control);
    const auto rank = [](const Control *control) {
        return control->tabIndex() < 0 ? INT_MAX : control->tabIndex();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const Control *a, const Control *b) { return rank(a) < rank(b); });
    return order;
}

void Form::applyTabOrder()
{
    const std::vector<Control *> order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

// The first control in tab order that can take the focus gets it when the form first shows.
void Form::focusFirstControl()
{
    const std::vector<Control *> order = tabOrder();
    const auto first = std::find_if(order.begin(), order.end(), [](const Control *control) {
        return control->visible() && control->enabled();
    });
    if (first != order.end())
        (*first)->setFocus();
}

void Form::dockControls()
{
    for (Control *control : m_order)
        if (auto *bar = dynamic_cast<StatusBar *>(control))
            bar->dock(clientWidth(), clientHeight());
}

QWidget *Form::window() const
{
    return m_window.get();
}

QWidget *Form::clientArea() const
{
    return m_window->clientArea();
}

} // namespace ui
