#pragma once

#include <QWidget>

class QMenuBar;

namespace ui
{

class Form;

// The top-level window of a form: an optional menu bar above the client area that holds the
// controls. It hands closing, activation, keys and mouse moves over the free area to the form.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(Form &form);

    QWidget *clientArea() const { return m_client; }
    // The menu bar, made on first need: a form whose top-level entries stay hidden never pays for one.
    QMenuBar *menuBar();
    bool hasMenuBar() const { return m_menuBar != nullptr; }
    // Height the menu bar takes above the client area (0 without a visible one).
    int menuBarHeight() const;
    void layoutParts();
    // Tells the form each time the window system shows the window (exposes it).
    void watchExposure();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form &m_form;
    QWidget *m_client;
    QMenuBar *m_menuBar = nullptr;
};

} // namespace ui
