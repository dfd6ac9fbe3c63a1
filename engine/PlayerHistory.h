// The player's undo and redo: every step that changed letters (a letter
// placed or emptied, from the picker or the keyboard, or the whole grid
// erased) can be taken back and done again.
//
// A state is the 20 x 20 player letters and whether the wrong cells were
// marked, so that taking a step back shows the grid exactly as it was. At
// 401 bytes a state, keeping whole states is simpler and safer than
// keeping differences.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>

namespace verbal {

struct CPlayerState {
    std::array<char, 400> letters{};  // cell (r, c) at (r - 1) * 20 + c - 1
    bool showWrongCells = false;
    bool SameLetters(const CPlayerState& o) const { return letters == o.letters; }
    bool operator==(const CPlayerState& o) const {
        return letters == o.letters && showWrongCells == o.showWrongCells;
    }
};

class CPlayerHistory {
public:
    // Far more steps than a grid of 400 cells needs; the oldest go first.
    static constexpr std::size_t kMaxSteps = 5000;

    void Clear() {
        m_undo.clear();
        m_redo.clear();
    }
    // A step ended at |after|, having started at |before|: kept when it
    // changed a letter, and then nothing is left to redo.
    void Record(const CPlayerState& before, const CPlayerState& after) {
        if (before.SameLetters(after)) return;
        m_undo.push_back(before);
        if (m_undo.size() > kMaxSteps) m_undo.pop_front();
        m_redo.clear();
    }
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    std::size_t UndoCount() const { return m_undo.size(); }
    // The state to go back (forward) to, from |current|; none when there is
    // nothing to undo (redo).
    std::optional<CPlayerState> Undo(const CPlayerState& current) {
        return Move(m_undo, m_redo, current);
    }
    std::optional<CPlayerState> Redo(const CPlayerState& current) {
        return Move(m_redo, m_undo, current);
    }

private:
    static std::optional<CPlayerState> Move(std::deque<CPlayerState>& from,
                                            std::deque<CPlayerState>& to,
                                            const CPlayerState& current) {
        if (from.empty()) return std::nullopt;
        CPlayerState target = from.back();
        from.pop_back();
        to.push_back(current);
        return target;
    }

    std::deque<CPlayerState> m_undo;
    std::deque<CPlayerState> m_redo;
};

}  // namespace verbal
