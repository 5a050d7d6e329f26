// The layout pass over all balloons of the board at once. Each balloon starts from its
// own placement beside its face; where balloons would hide each other's text or a text
// would leave the visible board, a balloon slides along its face's side, moves out along
// its face's direction, goes to another side of its face or sets its text a step
// smaller, whichever changes the board least. Plain integers only, tested as geometry.
#pragma once

#include <vector>

#include "board/balloon_geometry.h"

namespace nuvaro::board {

// One balloon to arrange, in screen coordinates.
struct BalloonRequest {
  int direction = 12;  // clock direction of the face seen from the user's face
  int textBytes = 0;
  int bytesPerLine = kShortLineBytes;
  int brokenLines = 0;  // lines of the text as broken (0: the byte count decides)
  Rect face;            // the face's 100 x 100 box
  FaceInsets insets;
  bool operator==(const BalloonRequest&) const = default;
};

// A size the balloon font may take, with the size of one half-width space in it. The
// first step is the balloon's own font; the others are smaller, down to the last.
struct FontStep {
  int pixelSize = 12;
  int spaceWidth = 6;
  int spaceHeight = 12;
  bool operator==(const FontStep&) const = default;
};

// Where the balloons may stand: the visible board and the screen, and what a balloon
// had better leave uncovered (the faces and their name plates, the user's included; a
// balloon may stand over its own face's plate, as it always did).
struct BalloonScene {
  Rect board;
  Rect screen;
  std::vector<Rect> faces;
  std::vector<Rect> plates;
  bool operator==(const BalloonScene&) const = default;
};

struct ArrangedBalloon {
  BalloonPlace place;
  int fontStep = 0;    // index into the font steps
  bool clear = false;  // no other balloon covers its text and the text lies on the board
  bool operator==(const ArrangedBalloon&) const = default;
};

struct BalloonArrangement {
  std::vector<ArrangedBalloon> balloons;  // one per request, in request order
  std::vector<int> stacking;              // request indices from the bottom to the top
  bool operator==(const BalloonArrangement&) const = default;
};

// Arranges every balloon. A balloon that finds no place with its text clear keeps the
// placement beside its face and is stacked under the clear ones. An unsupported
// direction's balloon is left out of the arrangement (clear false, no layout).
BalloonArrangement ArrangeBalloons(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts,
                                   const BalloonScene& scene);

// Where every balloon window the arrangement may choose lies: the board, and each face
// with room around it for its largest balloon pushed out as far as it may go. The screen
// only rules out windows that leave it, so a screen holding this rectangle arranges the
// balloons as an endless one would.
Rect BalloonReach(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts, const Rect& board);

// The balloon's outline parts and its text area in screen coordinates.
Rect ScreenEllipse(const BalloonPlace& place);
Rect ScreenText(const BalloonPlace& place);
Rect ScreenPointerBounds(const BalloonPlace& place);

}  // namespace nuvaro::board
