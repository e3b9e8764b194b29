#pragma once

#include "ui/Control.h"

namespace ui
{

// A line from (x1, y1) to (x2, y2), in twips inside its container. Its geometry is the box around
// the two ends; moving that box moves both ends.
class Line : public Control
{
public:
    Line(Form &form, const ControlDesign &design);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    void setEnds(int x1, int y1, int x2, int y2);

    TwipsRect geometry() const override;
    void setGeometry(const TwipsRect &place) override;

    ColourNumber borderColour() const { return m_borderColour; }
    void setBorderColour(ColourNumber colour);

protected:
    void showGeometry() override;

private:
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    ColourNumber m_borderColour = WindowText;
};

} // namespace ui
