#pragma once

#include "platform/PathRules.h"
#include "ui/Control.h"

class QComboBox;

namespace ui
{

// The drive that a text names by its beginning: "c:" for "C:\\Data" with the Windows syntax, the
// root "/" for any absolute path with the Linux one; "" when it names none.
QString driveNamed(const QString &text, const platform::PathSyntax &syntax);

// The drive list. The host has a single drive, its root "/", which the list shows alone.
// A change of the chosen drive raises Change.
class DriveList : public Control
{
public:
    DriveList(Form &form, const ControlDesign &design);

    QString drive() const;
    // Chooses the drive that the text begins with; throws platform::Failure (68) when the list
    // has no such drive, and the chosen drive stays.
    void setDrive(const QString &text);

    bool takesFocus() const override { return true; }

private:
    QComboBox *comboBox() const;
};

} // namespace ui
