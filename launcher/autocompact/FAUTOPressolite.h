#pragma once

#include "launcher/services/SharedState.h"
#include "ui/Form.h"
#include "ui/TextBox.h"

namespace autocompact
{

// The unattended compaction window: a host sets CheminMDB and shows it; its activation compacts
// the six module databases of that folder without a single box, shows the outcome and unloads
// the window.
class FAUTOPressolite : public ui::Form
{
public:
    explicit FAUTOPressolite(services::SharedState &state);

    ui::TextBox &folderBox() const { return get<ui::TextBox>(QStringLiteral("CTX_DBPATH")); }
    ui::TextBox &statusBox() const { return get<ui::TextBox>(QStringLiteral("CTX_Status")); }

private:
    void activate();

    services::SharedState &m_state;
};

} // namespace autocompact
