// Command ids and the maps that bind them to handlers.
//
// Every menu item, toolbar button and accelerator carries a command id. A
// window, a document or the application each own a CCommandMap; the shell's
// router asks the maps of the active chain in turn, so the first one that
// knows an id handles it. Update handlers decide whether an item is enabled
// or checked; an id that nobody handles is disabled.
#pragma once

#include <functional>
#include <map>

namespace verbal {

enum CommandId : int {
    ID_INDICATOR_DATE = 111,
    ID_INDICATOR_TIME = 112,
    ID_VIEW_PREFERENCES = 32771,
    ID_VIEW_REFRESH = 32774,
    ID_VIEW_MOVE = 32775,
    ID_VIEW_GRIDINFO = 32776,
    ID_GRID_COMPUTE = 32777,
    ID_GRID_ERASE = 32778,
    ID_GRID_SOLUTION = 32779,
    ID_HELP_HTML = 32785,
    ID_GRID_INFO = 32790,
    ID_FILE_SITE = 32791,
    ID_VIEW_CLUES = 32800,
    ID_FILE_EXPORT_PDF = 32820,
    ID_FILE_EXPORT_IPUZ = 32821,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_LAST = 57631,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    // The grid windows listed in the "Fenêtre" menu: the first, the second...
    ID_WINDOW_FIRST = 65280,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
};

// What an update handler may say about one item.
struct CCmdUI {
    int m_nID = 0;
    bool m_bEnabled = true;
    int m_nCheck = 0;         // 0 unchecked, 1 checked
    bool m_bCheckable = false;
    void Enable(bool enable = true) { m_bEnabled = enable; }
    void SetCheck(int check = 1) {
        m_nCheck = check;
        m_bCheckable = true;
    }
};

class CCommandMap {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    void On(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    void OnUpdate(int id, UpdateHandler handler) { m_updates[id] = std::move(handler); }

    bool HasHandler(int id) const { return m_handlers.count(id) != 0; }
    bool HasUpdate(int id) const { return m_updates.count(id) != 0; }
    // Each returns false when the map does not know the id.
    bool Execute(int id) const {
        auto it = m_handlers.find(id);
        if (it == m_handlers.end()) return false;
        it->second();
        return true;
    }
    bool Update(CCmdUI& ui) const {
        auto it = m_updates.find(ui.m_nID);
        if (it == m_updates.end()) return false;
        it->second(ui);
        return true;
    }

private:
    std::map<int, Handler> m_handlers;
    std::map<int, UpdateHandler> m_updates;
};

}  // namespace verbal
