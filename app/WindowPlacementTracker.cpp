#include "app/WindowPlacementTracker.h"

namespace orvane {

WindowPlacementTracker::WindowPlacementTracker(const WindowPlacement& shown) : placement_(shown) {}

void WindowPlacementTracker::Remember(const ScreenRect& frame) {
  placement_.left = frame.left;
  placement_.top = frame.top;
  placement_.right = frame.right;
  placement_.bottom = frame.bottom;
}

void WindowPlacementTracker::Resized(FrameState state, const ScreenRect& frame) {
  if (state == FrameState::Minimized) {
    return;
  }
  placement_.maximized = state == FrameState::Maximized;
  Remember(frame);
}

void WindowPlacementTracker::Moved(FrameState state, const ScreenRect& frame,
                                   const ScreenRect& desktop) {
  // A minimized frame is nowhere the user put it.
  if (state == FrameState::Minimized || !desktop.Contains(frame)) {
    return;
  }
  Remember(frame);
}

}  // namespace orvane
