#include "CommandRouter.h"

namespace verbal::shell {

CCmdUI CCommandRouter::Update(int id) const {
    CCmdUI ui;
    ui.m_nID = id;
    const auto chain = m_chain();
    for (const CCommandMap* map : chain)
        if (map && map->Update(ui)) return ui;
    bool handled = false;
    for (const CCommandMap* map : chain)
        if (map && map->HasHandler(id)) handled = true;
    ui.m_bEnabled = handled;
    return ui;
}

bool CCommandRouter::Execute(int id) const {
    // A disabled command does nothing, wherever it comes from (menu, button
    // or key).
    if (!Update(id).m_bEnabled) return false;
    for (const CCommandMap* map : m_chain())
        if (map && map->Execute(id)) return true;
    return false;
}

}  // namespace verbal::shell
