#pragma once

namespace ui
{

class Form;

// Shows the form modal to the whole program and returns once it has been unloaded or hidden; the
// event loop runs meanwhile, so the form's own events do the work.
void showModal(Form &form);

} // namespace ui
