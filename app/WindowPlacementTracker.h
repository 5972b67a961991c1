// What the main frame remembers of its own placement while it lives, and
// what it stores when it closes.
#pragma once

#include "base/Settings.h"

namespace orvane {

/// A rectangle in screen pixels, right and bottom exclusive.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Contains(const ScreenRect& other) const {
    return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
  }
  bool operator==(const ScreenRect&) const = default;
};

enum class FrameState { Normal, Minimized, Maximized };

class WindowPlacementTracker {
 public:
  /// Starts from the placement the frame was shown with.
  explicit WindowPlacementTracker(const WindowPlacement& shown);

  /// The frame changed size or state: unless it is minimized, it remembers
  /// whether it is maximized and its rectangle, so that closing a minimized
  /// frame stores the placement from before.
  void Resized(FrameState state, const ScreenRect& frame);
  /// The frame moved: its rectangle is remembered only when it lies wholly
  /// on the desktop, so a frame moved partly off it keeps the last placement
  /// that did.
  void Moved(FrameState state, const ScreenRect& frame, const ScreenRect& desktop);

  /// What the frame stores when it closes.
  const WindowPlacement& Placement() const { return placement_; }

 private:
  void Remember(const ScreenRect& frame);

  WindowPlacement placement_;
};

}  // namespace orvane
