#pragma once
// Undo and redo over whole states: each step keeps the state before it, and undoing keeps the state
// it leaves so that redo can bring it back. Only the newest steps are kept.

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace pelmora {

inline constexpr std::size_t kUndoSteps = 100;

template <typename State> class UndoHistory {
public:
    explicit UndoHistory(std::size_t depth = kUndoSteps)
        : depth_(depth)
    {
    }

    // A new step was taken from `before`. What was undone before it can no longer be redone, and
    // the oldest step drops out once `depth` are kept.
    void Record(State before)
    {
        redo_.clear();
        Push(undo_, std::move(before));
    }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

    // The state to go back to, keeping `current` for Redo; none when there is nothing to undo.
    std::optional<State> Undo(State current) { return Move(undo_, redo_, std::move(current)); }
    // The state Undo left, keeping `current` for Undo; none when there is nothing to redo.
    std::optional<State> Redo(State current) { return Move(redo_, undo_, std::move(current)); }

private:
    void Push(std::deque<State>& stack, State state)
    {
        stack.push_back(std::move(state));
        if (stack.size() > depth_)
            stack.pop_front();
    }

    std::optional<State> Move(std::deque<State>& from, std::deque<State>& to, State current)
    {
        if (from.empty())
            return std::nullopt;
        Push(to, std::move(current));
        State state = std::move(from.back());
        from.pop_back();
        return state;
    }

    std::size_t depth_;
    std::deque<State> undo_;
    std::deque<State> redo_;
};

} // namespace pelmora
