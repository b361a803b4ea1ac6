#pragma once

#include <string>

namespace zarvex1 {

// The mouse and keys of the 2D and 3D graphs, for the editor's dispatch to hand on. The graphs plug
// their handlers in here; without them the graph area takes nothing.
class GraphInput {
public:
    virtual ~GraphInput() = default;
    virtual void Move(int /*x*/, int /*y*/) {}
    virtual bool LeftDown(int /*x*/, int /*y*/, bool /*shift*/, bool /*control*/) { return false; }
    virtual void LeftUp(int /*x*/, int /*y*/) {}
    virtual void RightDown(int /*x*/, int /*y*/) {}
    virtual bool Wheel(int /*direction*/) { return false; }
    virtual bool Key(int /*key*/, bool /*shift*/, bool /*control*/) { return false; }
    // A point drag, rubber band or rotation in progress.
    virtual bool Dragging() const { return false; }
    // The 2D graph moved the pointer itself and asks to ignore the move that follows.
    virtual bool TakeIgnoreNextMove() { return false; }
    // The graph's hint text for the position last moved to, empty for none.
    virtual std::string Hint() const { return {}; }
    // The pointer rests on an interpolation corner: the views show the interpolation's outcome.
    virtual bool PreviewOn() const { return false; }
};

} // namespace zarvex1
