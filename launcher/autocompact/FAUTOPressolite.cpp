#include "launcher/autocompact/FAUTOPressolite.h"

#include "compaction/cycle/CompactionWindow.h"
#include "launcher/autocompact/M_Pressolite.h"
#include "ui/Dialogs.h"

namespace autocompact
{

FAUTOPressolite::FAUTOPressolite(services::SharedState &state)
    : ui::Form(QStringLiteral("FAUTOPressolite")), m_state(state)
{
    using namespace compaction;
    designCompactionWindow(*this, 2955);
    addFolderLabel(*this);
    addFolderBox(*this, {120, 300, 6435, 315});
    addStatusBox(*this, {120, 660, 6435, 1515}, 3);
    addQuitButton(*this, {5820, 2460, 795, 375}, 2);
    onActivate = [this] { activate(); };
}

void FAUTOPressolite::activate()
{
    folderBox().setText(m_state.CheminMDB);
    ui::doEvents();
    CompactageAuto(m_state, statusBox());
    unload();
}

} // namespace autocompact
