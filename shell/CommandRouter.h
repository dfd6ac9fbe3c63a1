// Routes a command id to the first command map of the active chain that
// knows it: the active grid's view, its document, the main frame, the
// application. The chain is asked afresh at every call, so the active window
// decides.
#pragma once

#include <functional>
#include <vector>

#include "CommandMap.h"

namespace verbal::shell {

class CCommandRouter {
public:
    using Chain = std::function<std::vector<const CCommandMap*>()>;

    explicit CCommandRouter(Chain chain) : m_chain(std::move(chain)) {}

    // The state an item should show: the first update handler in the chain
    // decides; without one, an item is enabled when some map handles it and
    // disabled when none does.
    CCmdUI Update(int id) const;
    // Runs the handler of |id| if the item is enabled; true when one ran.
    bool Execute(int id) const;

private:
    Chain m_chain;
};

}  // namespace verbal::shell
