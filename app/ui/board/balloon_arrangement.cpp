#include "board/balloon_arrangement.h"

#include <algorithm>
#include <cstdlib>

namespace nuvaro::board {
namespace {

// The balloon's sides: the directions that share a shape and an anchor row, by the
// direction that stands for them.
struct Side {
  int direction;         // stands for the side
  int members[3];        // the directions of the side (0 ends the list)
};
constexpr Side kSides[] = {{3, {1, 2, 3}}, {4, {4, 0, 0}}, {5, {5, 6, 0}},
                           {8, {7, 8, 0}}, {9, {9, 10, 0}}, {12, {11, 12, 0}}};

// What a change costs (the smaller the total, the closer to the balloon's own place).
constexpr int kCostPerClockStep = 12;   // another side of the face, per hour away
constexpr int kCostPerFontStep = 25;    // the text a step smaller
constexpr int kCostPerSlide = 3;        // per 10 pixels along the face's side
constexpr int kCostPerPush = 5;         // per 10 pixels out along the direction
constexpr int kCostOffTheBoard = 60;    // the window passes the board's edge
constexpr int kCostOverAFace = 40;      // the ellipse covers another face
constexpr int kCostOverAPlate = 15;     // ... or a name plate
constexpr int kCostOfShifting = 10;     // kept inside the board, away from the face
constexpr int kCostPerShiftedPixels = 1;  // ... per 2 pixels
// Offsets tried along the side and out along the direction, in pixels.
constexpr int kSlides[] = {0, -10, 10, -20, 20, -30, 30, -40, 40};
constexpr int kPushes[] = {0, 10, 20, 30};
// The tip keeps this far inside the face's box when it slides, and at most this far out
// of it when the balloon moves away.
constexpr int kTipMargin = 8;
constexpr int kTipReach = 20;
// Candidates kept per balloon, cheapest first, and the search's budget of tries.
constexpr std::size_t kCandidatesPerBalloon = 240;
constexpr long kSearchBudget = 2500;

int ClockDistance(int a, int b) {
  const int d = std::abs(a - b) % 12;
  return std::min(d, 12 - d);
}

int SideDistance(const Side& side, int direction) {
  int best = 6;
  for (int member : side.members) {
    if (member != 0) best = std::min(best, ClockDistance(member, direction));
  }
  return best;
}

bool Overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

Rect Core(const Rect& face) {
  return {face.left + kFaceCoreInset, face.top + kFaceCoreInset, face.right - kFaceCoreInset,
          face.bottom - kFaceCoreInset};
}

Rect Shifted(const Rect& rect, Point by) {
  return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

struct Candidate {
  ArrangedBalloon balloon;
  Rect ellipse;
  Rect text;
  Rect pointer;
  int cost = 0;
};

// True when the text of one balloon lies under the outline of the other, either way.
bool HideEachOther(const Candidate& a, const Candidate& b) {
  auto covers = [](const Candidate& top, const Candidate& under) {
    return EllipseOverlapsRect(top.ellipse, under.text) || Overlaps(top.pointer, under.text);
  };
  return covers(a, b) || covers(b, a);
}

Candidate MakeCandidate(const BalloonPlace& place, int fontStep) {
  Candidate candidate;
  candidate.balloon.place = place;
  candidate.balloon.fontStep = fontStep;
  candidate.balloon.clear = true;
  candidate.ellipse = ScreenEllipse(place);
  candidate.text = ScreenText(place);
  candidate.pointer = ScreenPointerBounds(place);
  return candidate;
}

// The cost of what the candidate covers and where it stands; false when it may not stand
// there at all (its text off the board where the board could hold it, the window off the
// screen, its ellipse over its own face).
bool PlaceCost(Candidate& candidate, const BalloonRequest& request, const BalloonScene& scene, bool textFitsBoard) {
  const Rect window{candidate.balloon.place.topLeft.x, candidate.balloon.place.topLeft.y,
                    candidate.balloon.place.topLeft.x + candidate.balloon.place.layout.width,
                    candidate.balloon.place.topLeft.y + candidate.balloon.place.layout.height};
  if (!Inside(window, scene.screen)) return false;
  const BalloonPlace& place = candidate.balloon.place;
  const Point tip{place.topLeft.x + place.layout.pointer[0].x, place.topLeft.y + place.layout.pointer[0].y};
  if (tip.x < request.face.left - kTipReach || tip.x > request.face.right + kTipReach ||
      tip.y < request.face.top - kTipReach || tip.y > request.face.bottom)
    return false;
  if (textFitsBoard && !Inside(candidate.text, scene.board)) return false;
  if (EllipseOverlapsRect(candidate.ellipse, Core(request.face))) return false;
  if (!Inside(window, scene.board)) candidate.cost += kCostOffTheBoard;
  for (const Rect& face : scene.faces) {
    if (face != request.face && EllipseOverlapsRect(candidate.ellipse, Core(face))) candidate.cost += kCostOverAFace;
  }
  for (const Rect& plate : scene.plates) {
    const bool own = plate.left == request.face.left && plate.top == request.face.bottom;
    if (!own && EllipseOverlapsRect(candidate.ellipse, plate)) candidate.cost += kCostOverAPlate;
  }
  return true;
}

// Every place the balloon may take, cheapest first.
std::vector<Candidate> Candidates(const BalloonRequest& request, const std::vector<FontStep>& fonts,
                                  const BalloonScene& scene) {
  std::vector<Candidate> candidates;
  for (std::size_t step = 0; step < fonts.size(); ++step) {
    const FontStep& font = fonts[step];
    for (const Side& side : kSides) {
      const bool own = SideDistance(side, request.direction) == 0;
      const int direction = own ? request.direction : side.direction;
      const int shape = ShapeTypeForDirection(direction);
      const auto layout = LayOutBalloon(shape, request.textBytes, request.bytesPerLine, font.spaceWidth,
                                        font.spaceHeight, request.brokenLines);
      if (!layout) continue;
      const bool textFitsBoard = layout->text.Width() <= scene.board.Width() &&
                                 layout->text.Height() <= scene.board.Height();
      const bool above = shape == 5;
      const bool toTheRight = shape == 8 || shape == 10;
      const Point anchor = DrawnAnchorPoint(request.face, direction, request.insets);
      for (int slide : kSlides) {
        Point tip = anchor;
        (above ? tip.x : tip.y) += slide;
        const int along = above ? tip.x : tip.y;
        const int low = (above ? request.face.left : request.face.top) + kTipMargin;
        const int high = (above ? request.face.right : request.face.bottom) - kTipMargin;
        if (slide != 0 && (along < low || along > high)) continue;
        for (int push : kPushes) {
          Point pushed = tip;
          if (above) pushed.y -= push;
          else pushed.x += toTheRight ? push : -push;
          BalloonPlace place;
          place.direction = direction;
          place.layout = *layout;
          place.anchor = pushed;
          place.topLeft = {pushed.x - layout->pointer[0].x, pushed.y - layout->pointer[0].y};
          Candidate candidate = MakeCandidate(place, static_cast<int>(step));
          candidate.cost = kCostPerFontStep * static_cast<int>(step) +
                           kCostPerClockStep * SideDistance(side, request.direction) +
                           kCostPerSlide * std::abs(slide) / 10 + kCostPerPush * push / 10;
          const int baseCost = candidate.cost;
          if (PlaceCost(candidate, request, scene, textFitsBoard)) candidates.push_back(candidate);
          // Where the window passes the board's edge, also the balloon moved back inside it
          // (its pointer then stops short of the face).
          const Point inside = PlaceBalloon(place.layout, pushed, scene.board);
          if (inside != place.topLeft && layout->width <= scene.board.Width() &&
              layout->height <= scene.board.Height()) {
            BalloonPlace shifted = place;
            shifted.topLeft = inside;
            Candidate moved = MakeCandidate(shifted, static_cast<int>(step));
            moved.cost = baseCost + kCostOfShifting +
                         kCostPerShiftedPixels * (std::abs(inside.x - place.topLeft.x) + std::abs(inside.y - place.topLeft.y)) / 2;
            if (PlaceCost(moved, request, scene, textFitsBoard)) candidates.push_back(moved);
          }
        }
      }
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
  if (candidates.size() > kCandidatesPerBalloon) candidates.resize(kCandidatesPerBalloon);
  return candidates;
}

// A search over the balloons' candidates for a choice in which no two balloons hide
// each other's text: the balloon with the fewest places left goes next, each tried
// cheapest first, and every choice strikes the places it rules out for the others. When
// no such choice turns up within the budget, the one that left the most balloons clear.
class Search {
 public:
  explicit Search(const std::vector<std::vector<Candidate>>& candidates)
      : candidates_(candidates), chosen_(candidates.size(), -1), best_(candidates.size(), -1) {
    domains_.resize(candidates.size());
    for (std::size_t b = 0; b < candidates.size(); ++b) {
      for (std::size_t c = 0; c < candidates[b].size(); ++c) domains_[b].push_back(static_cast<int>(c));
    }
  }

  // The chosen candidate of every balloon, -1 for none.
  std::vector<int> Run() {
    Choose(0);
    return best_;
  }

 private:
  bool Choose(std::size_t assigned) {
    if (assigned > bestCount_) {
      bestCount_ = assigned;
      best_ = chosen_;
    }
    if (assigned == candidates_.size()) return true;
    std::size_t next = candidates_.size();
    for (std::size_t b = 0; b < candidates_.size(); ++b) {
      if (chosen_[b] < 0 && (next == candidates_.size() || domains_[b].size() < domains_[next].size())) next = b;
    }
    if (domains_[next].empty()) return false;
    const std::vector<int> own = domains_[next];
    for (int c : own) {
      if (--budget_ < 0) return false;
      const Candidate& choice = candidates_[next][static_cast<std::size_t>(c)];
      chosen_[next] = c;
      std::vector<std::vector<int>> saved = domains_;
      for (std::size_t b = 0; b < candidates_.size(); ++b) {
        if (chosen_[b] >= 0) continue;
        std::vector<int>& domain = domains_[b];
        domain.erase(std::remove_if(domain.begin(), domain.end(),
                                    [&](int other) {
                                      return HideEachOther(choice, candidates_[b][static_cast<std::size_t>(other)]);
                                    }),
                     domain.end());
      }
      if (Choose(assigned + 1)) return true;
      domains_ = std::move(saved);
    }
    chosen_[next] = -1;
    return false;
  }

  const std::vector<std::vector<Candidate>>& candidates_;
  std::vector<std::vector<int>> domains_;
  std::vector<int> chosen_;
  std::vector<int> best_;
  std::size_t bestCount_ = 0;
  long budget_ = kSearchBudget;
};

}  // namespace

Rect BalloonReach(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts, const Rect& board) {
  Rect reach = board;
  for (const BalloonRequest& request : requests) {
    // A chosen window has its pointer's tip within kTipReach of the face; one left beside
    // its face has it on the face, the window at most a pointer's length further off.
    int width = 0;
    int height = 0;
    for (const FontStep& font : fonts) {
      for (const Side& side : kSides) {
        const auto layout = LayOutBalloon(ShapeTypeForDirection(side.direction), request.textBytes,
                                          request.bytesPerLine, font.spaceWidth, font.spaceHeight, request.brokenLines);
        if (!layout) continue;
        width = std::max(width, layout->width);
        height = std::max(height, layout->height);
      }
    }
    const int x = width + kTipReach + kPointerLength;
    const int y = height + kTipReach + kPointerLength;
    reach.left = std::min(reach.left, request.face.left - x);
    reach.top = std::min(reach.top, request.face.top - y);
    reach.right = std::max(reach.right, request.face.right + x);
    reach.bottom = std::max(reach.bottom, request.face.bottom + y);
  }
  return reach;
}

Rect ScreenEllipse(const BalloonPlace& place) { return Shifted(place.layout.ellipse, place.topLeft); }

Rect ScreenText(const BalloonPlace& place) { return Shifted(place.layout.text, place.topLeft); }

Rect ScreenPointerBounds(const BalloonPlace& place) {
  Rect bounds{place.layout.pointer[0].x, place.layout.pointer[0].y, place.layout.pointer[0].x,
              place.layout.pointer[0].y};
  for (const Point& point : place.layout.pointer) {
    bounds.left = std::min(bounds.left, point.x);
    bounds.top = std::min(bounds.top, point.y);
    bounds.right = std::max(bounds.right, point.x);
    bounds.bottom = std::max(bounds.bottom, point.y);
  }
  return Shifted(bounds, place.topLeft);
}

BalloonArrangement ArrangeBalloons(const std::vector<BalloonRequest>& requests, const std::vector<FontStep>& fonts,
                                   const BalloonScene& scene) {
  BalloonArrangement arrangement;
  arrangement.balloons.resize(requests.size());
  if (fonts.empty()) return arrangement;
  std::vector<std::vector<Candidate>> candidates;
  candidates.reserve(requests.size());
  for (const BalloonRequest& request : requests) candidates.push_back(Candidates(request, fonts, scene));
  const std::vector<int> chosen = Search(candidates).Run();

  std::vector<int> unclear;
  std::vector<int> clear;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const int index = static_cast<int>(i);
    if (chosen.size() == requests.size() && chosen[i] >= 0) {
      arrangement.balloons[i] = candidates[i][static_cast<std::size_t>(chosen[i])].balloon;
      clear.push_back(index);
      continue;
    }
    // No clear place: beside its face as the board always placed it, under the others.
    const BalloonRequest& request = requests[i];
    const FontStep& font = fonts.front();
    const auto place = PlaceBalloonBesideFace(request.direction, request.textBytes, request.bytesPerLine,
                                              font.spaceWidth, font.spaceHeight, request.brokenLines, request.face,
                                              request.insets, scene.board, scene.screen);
    if (!place) continue;
    arrangement.balloons[i].place = *place;
    unclear.push_back(index);
  }
  arrangement.stacking = unclear;
  arrangement.stacking.insert(arrangement.stacking.end(), clear.begin(), clear.end());
  return arrangement;
}

}  // namespace nuvaro::board
