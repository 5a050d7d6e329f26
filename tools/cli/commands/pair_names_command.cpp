// pair-names [--mode 6] PLUGIN "SURNAME GIVEN" "SURNAME GIVEN" MALE: the pair reading of
// two names, computed as the board computes it: the user and the other person stand on
// a board of their own, and the record for the other person's name plate (or, with
// --mode 6, for the user's own plate: the user as both persons, male) goes to the plug-in.
// The answer is the same JSON as that of pair. In a batch, where a line is split at
// spaces, each name is given as two words (SURNAME GIVEN).
#include <string>
#include <variant>
#include <vector>

#include "cli_command.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "platform/core/encoding.h"
#include "plugin_call.h"

namespace nuvaro::cli {
namespace {

// Where the other person's face stands on the command's board (any free place will do).
constexpr int kOtherFaceX = 300;
constexpr int kOtherFaceY = 100;

std::string MemberTextOf(const std::string& cp932Name, bool isMale) {
  return core::MemberText({cp932Name, *platform::Utf8ToCp932(isMale ? "男" : "女"), "20"});
}

CommandResult RunPairNames(const std::vector<std::string>& allArgs, CommandSession& session) {
  std::vector<std::string> args = allArgs;
  int mode = core::kModeNormal;
  if (!args.empty() && args[0] == "--mode") {
    if (args.size() < 2 || (args[1] != "0" && args[1] != "6")) {
      return CommandResult::Fail(kExitUsage, "--mode takes 0 or 6");
    }
    mode = args[1] == "6" ? core::kModeSelf : core::kModeNormal;
    args.erase(args.begin(), args.begin() + 2);
  }
  // A batch line arrives split at every space: surname and given name come as two words.
  if (session.batch && args.size() == 6) {
    args = {args[0], args[1] + " " + args[2], args[3] + " " + args[4], args[5]};
  }
  if (args.size() != 4) return CommandResult::Fail(kExitUsage, "usage: pair-names [--mode 6] PLUGIN NAME NAME MALE");
  std::string names[2];
  for (int i = 0; i < 2; ++i) {
    auto cp932 = platform::Utf8ToCp932(args[1 + i]);
    if (!cp932) return CommandResult::Fail(kExitBadInput, "the name \"" + args[1 + i] + "\" cannot be written in CP932");
    names[i] = *cp932;
  }
  auto male = ParseInt32(args[3]);
  if (!male) return CommandResult::Fail(kExitBadInput, "\"" + args[3] + "\" is not a number (MALE: 1 or 0)");

  static core::EngineBinding engine;
  if (!engine.IsLoaded() && !engine.Bind()) return CommandResult::Fail(kExitFailure, "cannot load the engine");
  auto plugin = PluginNuvaroData(core::PluginHost::PluginPath(args[0]));
  if (auto* error = std::get_if<std::string>(&plugin)) return CommandResult::Fail(kExitFailure, *error);

  core::CFace face;
  face.CreateSelf();
  face.SetSelf(MemberTextOf(names[0], true));
  const int other = face.AddFace(kOtherFaceX, kOtherFaceY, MemberTextOf(names[1], *male != 0), engine);
  face.mode = mode;
  const int faceId = mode == core::kModeSelf ? 0 : face.Entry(other).id;
  ::NuvaroData data = core::PlateRecord(face, faceId, engine);
  std::get<NVRGetNuvaroDataFunction>(plugin)(&data);

  auto answer = PairAnswerJson(data);
  if (auto* error = std::get_if<std::string>(&answer)) return CommandResult::Fail(kExitFailure, *error);
  return CommandResult::Ok(std::move(std::get<Json>(answer)));
}

const CliCommandRegistration kPairNames(
    {"pair-names", "[--mode 6] PLUGIN \"SURNAME GIVEN\" \"SURNAME GIVEN\" MALE",
     "One pair reading of a plug-in from the user's and the other person's names, computed as the board "
     "computes it (all nine sums); 1 when the other person is male. --mode 6 asks as for the user's own "
     "name plate.",
     -1, RunPairNames});

}  // namespace
}  // namespace nuvaro::cli
