#include "ui/DriveList.h"

#include "platform/Failure.h"

#include <QComboBox>

namespace ui
{

QString driveNamed(const QString &text, const platform::PathSyntax &syntax)
{
    if (syntax.separators.contains(QLatin1Char(':'))) {
        if (text.size() >= 2 && text.at(0).isLetter() && text.at(1) == QLatin1Char(':'))
            return text.left(2).toLower();
        return QString();
    }
    return text.startsWith(syntax.joiner()) ? QString(syntax.joiner()) : QString();
}

DriveList::DriveList(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ListBox, new QComboBox(parentWidget(form, design)))
{
    comboBox()->addItem(QStringLiteral("/"));
    QObject::connect(comboBox(), &QComboBox::currentIndexChanged, context(), [this] { raise(onChange); });
    setBackColour(WindowBackground);
    setForeColour(WindowText);
}

QComboBox *DriveList::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString DriveList::drive() const
{
    return comboBox()->currentText();
}

void DriveList::setDrive(const QString &text)
{
    const int index = comboBox()->findText(driveNamed(text, platform::PathSyntax::host()));
    if (index < 0)
        throw platform::Failure(QStringLiteral("Périphérique non disponible : %1").arg(text), 68);
    comboBox()->setCurrentIndex(index);
}

} // namespace ui
