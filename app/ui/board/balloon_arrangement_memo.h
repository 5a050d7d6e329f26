// The last arrangement of the board's balloons, kept relative to the board's top-left.
// The balloons stand in screen coordinates, so every move of the main window asks for
// them again; when nothing but the board's position changed, the last arrangement moved
// along answers instead of a new search.
#pragma once

#include <optional>
#include <vector>

#include "board/balloon_arrangement.h"

namespace nuvaro::board {

class BalloonArrangementMemo {
 public:
  // What ArrangeBalloons gives for these inputs. The last arrangement, moved by as much
  // as the board moved, when the requests, the font steps, the faces, the plates and the
  // board are the same relative to the board's top-left, and the screen either holds
  // every place a balloon may take (both times) or stands where it stood relative to
  // the board.
  BalloonArrangement Arrange(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts,
                             const BalloonScene& scene);

  // How many times Arrange ran a new search.
  int Searches() const { return searches_; }

 private:
  // The inputs relative to the board's top-left; no screen when it held the reach.
  struct Inputs {
    std::vector<BalloonRequest> requests;
    std::vector<FontStep> fonts;
    BalloonScene scene;
    std::optional<Rect> screen;
    bool operator==(const Inputs&) const = default;
  };
  static Inputs Relative(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts,
                         const BalloonScene& scene);

  std::optional<Inputs> inputs_;
  BalloonArrangement arrangement_;  // relative to the board's top-left
  int searches_ = 0;
};

}  // namespace nuvaro::board
