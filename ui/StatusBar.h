#pragma once

#include "ui/Control.h"

#include <QStringList>

namespace ui
{

// A bar along the bottom edge of the form, as wide as the form, with panels numbered from 1.
// It is created with one empty panel.
class StatusBar : public Control
{
public:
    StatusBar(Form &form, const ControlDesign &design);

    int panelCount() const;
    void addPanel(const QString &text = QString());
    QString panelText(int panel) const; // throws platform::Failure for a panel that does not exist
    void setPanelText(int panel, const QString &text);

    // Keeps the bar on the bottom edge of a client area of this size (twips).
    void dock(int clientWidth, int clientHeight);

private:
    class Panels;
    Panels *panels() const;
};

} // namespace ui
