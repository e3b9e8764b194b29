#include "ui/ModalShow.h"

#include "ui/Form.h"
#include "ui/KeyboardReturn.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace ui
{

namespace
{

// Ends the wait when the program hides the window (an unload closes it); a minimised window
// reports a spontaneous hide, which does not count.
class HideWatcher : public QObject
{
public:
    explicit HideWatcher(QEventLoop &loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            m_loop.quit();
        return false;
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void showModal(Form &form)
{
    const KeyboardReturn keyboardReturn;
    QWidget *window = form.window();
    window->setWindowModality(Qt::ApplicationModal);
    form.show();
    if (form.isShown()) {
        QEventLoop loop;
        HideWatcher watcher(loop);
        window->installEventFilter(&watcher);
        loop.exec();
        window->removeEventFilter(&watcher);
    }
    if (!window->isVisible())
        window->setWindowModality(Qt::NonModal);
}

} // namespace ui
