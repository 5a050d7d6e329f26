#include "board/balloon_arrangement_memo.h"

#include <utility>

namespace nuvaro::board {
namespace {

Rect Moved(const Rect& rect, Point by) {
  return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

// The placed balloons moved; one left out (no layout) keeps its empty place.
BalloonArrangement Moved(BalloonArrangement arrangement, Point by) {
  for (ArrangedBalloon& balloon : arrangement.balloons) {
    if (balloon.place.layout.shapeType == 0) continue;
    balloon.place.anchor = {balloon.place.anchor.x + by.x, balloon.place.anchor.y + by.y};
    balloon.place.topLeft = {balloon.place.topLeft.x + by.x, balloon.place.topLeft.y + by.y};
  }
  return arrangement;
}

}  // namespace

BalloonArrangementMemo::Inputs BalloonArrangementMemo::Relative(const std::vector<BalloonRequest>& requests,
                                                               const std::vector<FontStep>& fonts,
                                                               const BalloonScene& scene) {
  const Point back{-scene.board.left, -scene.board.top};
  Inputs inputs;
  inputs.requests = requests;
  for (BalloonRequest& request : inputs.requests) request.face = Moved(request.face, back);
  inputs.fonts = fonts;
  inputs.scene.board = Moved(scene.board, back);
  for (const Rect& face : scene.faces) inputs.scene.faces.push_back(Moved(face, back));
  for (const Rect& plate : scene.plates) inputs.scene.plates.push_back(Moved(plate, back));
  const Rect reach = BalloonReach(requests, fonts, scene.board);
  const bool holdsReach = scene.screen.left <= reach.left && scene.screen.top <= reach.top &&
                          scene.screen.right >= reach.right && scene.screen.bottom >= reach.bottom;
  if (!holdsReach) inputs.screen = Moved(scene.screen, back);
  return inputs;
}

BalloonArrangement BalloonArrangementMemo::Arrange(const std::vector<BalloonRequest>& requests,
                                                   const std::vector<FontStep>& fonts, const BalloonScene& scene) {
  const Point origin{scene.board.left, scene.board.top};
  Inputs inputs = Relative(requests, fonts, scene);
  if (inputs_ && *inputs_ == inputs) return Moved(arrangement_, origin);
  BalloonArrangement arrangement = ArrangeBalloons(requests, fonts, scene);
  ++searches_;
  inputs_ = std::move(inputs);
  arrangement_ = Moved(arrangement, {-origin.x, -origin.y});
  return arrangement;
}

}  // namespace nuvaro::board
