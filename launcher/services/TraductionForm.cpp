#include "launcher/services/Traduction.h"

#include "launcher/services/SkippingFailure.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/ThreeDButton.h"

namespace services
{

namespace
{

const QString Separator = QStringLiteral("-");

} // namespace

void Traduction::TRAD_Form(ui::Form &form)
{
    if (m_etat.Num_Langue == 0)
        return;
    try {
        converter().setSourceCharset(QStringLiteral("utf-8"));
        form.setCaption(TRAD(form.caption()));
    } catch (const platform::Failure &) {
        return;
    }
    for (ui::Control *control : form.controls())
        translateControl(*control);
}

void Traduction::translateControl(ui::Control &control)
{
    // A property is translated only when it holds a text.
    const auto translate = [this](auto read, auto write) {
        skippingFailure([&] {
            const QString text = read();
            if (!text.isEmpty())
                write(TRAD(text));
        });
    };
    const auto text = [&] {
        translate([&] { return control.text(); }, [&](const QString &t) { control.setText(t); });
    };
    const auto toolTip = [&] {
        translate([&] { return control.toolTip(); }, [&](const QString &t) { control.setToolTip(t); });
    };
    const auto tag = [&] {
        translate([&] { return control.tag(); }, [&](const QString &t) { control.setTag(t); });
    };

    // The font steps; with the launcher's empty font name only the character set changes.
    skippingFailure([&] { control.setFontName(m_etat.Police_Langue); });
    skippingFailure([&] { control.setFontCharset(m_etat.Charset_Langue); });

    switch (control.kind()) {
    case ui::ControlKind::Label:
    case ui::ControlKind::CommandButton:
    case ui::ControlKind::OptionButton:
        text();
        toolTip();
        tag();
        break;
    case ui::ControlKind::CheckBox:
        text();
        tag();
        break;
    case ui::ControlKind::TextBox:
    case ui::ControlKind::ComboBox:
        toolTip();
        tag();
        break;
    case ui::ControlKind::Frame:
        // A frame's caption is shown as found, without character-set conversion.
        skippingFailure([&] {
            if (!control.text().isEmpty())
                control.setText(TRAD(control.text(), false));
        });
        break;
    case ui::ControlKind::MenuEntry:
        skippingFailure([&] {
            if (control.text() != Separator)
                control.setText(TRAD(control.text()));
        });
        break;
    case ui::ControlKind::Grid: {
        // ui::Grid draws every column and header in the control's font, which the font steps above
        // already set: no per-column font to set again. An empty header is looked up like any other.
        auto &grid = static_cast<ui::Grid &>(control);
        const int columns = grid.maxCols();
        for (int column = 1; column <= columns; ++column)
            skippingFailure([&] { grid.setColumnHeader(column, TRAD(grid.columnHeader(column))); });
        toolTip();
        break;
    }
    case ui::ControlKind::ThreeDButton: {
        auto &button = static_cast<ui::ThreeDButton &>(control);
        text();
        toolTip();
        tag();
        translate([&] { return button.cellTag(); }, [&](const QString &t) { button.setCellTag(t); });
        break;
    }
    case ui::ControlKind::PictureBox:
    case ui::ControlKind::Line:
    case ui::ControlKind::ListBox:
    case ui::ControlKind::StatusBar:
        break;
    }
}

} // namespace services
