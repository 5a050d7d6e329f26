// Dragging the main window over a crowded board: twelve faces in a ring on the board of
// the smallest main window, and on a board smaller still where not every text finds room
// and the search runs to its budget. Each step moves the board by a pixel and asks for the balloons twice: a new
// search, and the memo that moves the last arrangement along. The counter
// "search_over_memo" is the ratio of the two times.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "board/balloon_arrangement.h"
#include "board/balloon_arrangement_memo.h"

namespace {

namespace board = nuvaro::board;
using Clock = std::chrono::steady_clock;

const std::vector<board::FontStep> kFonts = {{12, 6, 14}, {11, 6, 12}, {10, 5, 11}};
constexpr int kFaces = 12;

struct Inputs {
  std::vector<board::BalloonRequest> requests;
  board::BalloonScene scene;
};

Inputs Ring(board::Point origin, int width, int height) {
  Inputs in;
  in.scene.board = {origin.x, origin.y, origin.x + width, origin.y + height};
  in.scene.screen = {0, 0, 1920, 1080};
  const board::Point centre{origin.x + width / 2, origin.y + height / 2};
  const board::Rect user{centre.x - 50, centre.y - 50, centre.x + 50, centre.y + 50};
  int last = 12;
  for (int k = 0; k < kFaces; ++k) {
    const double angle = 2 * M_PI * k / kFaces;
    const int x = centre.x + static_cast<int>((width / 2.0 - 60) * std::sin(angle));
    const int y = centre.y - static_cast<int>((height / 2.0 - 80) * std::cos(angle));
    board::BalloonRequest request;
    request.face = {x - 50, y - 50, x + 50, y + 50};
    request.direction = board::ClockDirection({user.left, user.top}, {request.face.left, request.face.top}, last);
    request.textBytes = 44 + 12 * (k % 4);
    request.bytesPerLine = board::BytesPerLine(request.textBytes);
    in.requests.push_back(request);
    in.scene.faces.push_back(request.face);
  }
  in.scene.faces.push_back(user);
  for (const board::Rect& face : in.scene.faces) in.scene.plates.push_back({face.left, face.bottom, face.right, face.bottom + 20});
  return in;
}

void BM_DraggedCrowdedBoard(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  board::BalloonArrangementMemo memo;
  int x = 600;
  {
    const Inputs start = Ring({x, 300}, width, height);
    memo.Arrange(start.requests, kFonts, start.scene);
  }
  Clock::duration searched{}, remembered{};
  for (auto _ : state) {
    const Inputs in = Ring({++x, 300}, width, height);
    auto start = Clock::now();
    benchmark::DoNotOptimize(board::ArrangeBalloons(in.requests, kFonts, in.scene));
    searched += Clock::now() - start;
    start = Clock::now();
    benchmark::DoNotOptimize(memo.Arrange(in.requests, kFonts, in.scene));
    remembered += Clock::now() - start;
    if (x > 900) x = 600;
  }
  if (memo.Searches() != 1) state.SkipWithError("the memo searched again for a moved board");
  const auto n = static_cast<double>(state.iterations());
  state.counters["search_ms"] = std::chrono::duration<double, std::milli>(searched).count() / n;
  state.counters["memo_us"] = std::chrono::duration<double, std::micro>(remembered).count() / n;
  state.counters["search_over_memo"] =
      remembered.count() > 0 ? static_cast<double>(searched.count()) / static_cast<double>(remembered.count()) : 0;
}
BENCHMARK(BM_DraggedCrowdedBoard)->Args({540, 411})->Args({420, 340})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
