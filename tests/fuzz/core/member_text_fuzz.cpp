// Any bytes as the member text dropped on the board (plain text from any program): the
// user's face and a new face take it without fault, keep names of at most 39 bytes cut
// on a character boundary only when needed, and the pair computation reads the names without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/pair_reading.h"
#include "fuzz_folder.h"
#include "platform/core/encoding.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The face's name is the dropped name, cut only when longer than 39 bytes and then
// never between a lead byte and its trail byte.
void CheckName(const std::string& name, const std::string& dropped) {
  Check(name.size() <= nuvaro::core::kFaceNameBytes);
  Check(dropped.compare(0, name.size(), name) == 0);
  if (name.size() < dropped.size()) {
    Check(nuvaro::platform::Cp932SafePrefixLength(dropped, name.size()) == name.size());
    std::size_t next = nuvaro::platform::IsCp932LeadByte(static_cast<unsigned char>(dropped[name.size()])) ? 2 : 1;
    Check(name.size() + next > nuvaro::core::kFaceNameBytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace core = nuvaro::core;
  nuvaro::fuzzing::FuzzFolder();  // messages swallowed
  static core::EngineBinding engine;
  static const bool bound = engine.Bind();
  Check(bound);
  std::string_view text(reinterpret_cast<const char*>(data), size);

  core::ParsedMemberText parsed = core::ParseMemberText(text);
  Check(parsed.name.size() + parsed.sex.size() <= size);
  core::CFace face;
  face.CreateSelf();
  face.SetSelf(text);
  int index = face.AddFace(300, 200, text, engine);
  Check(index == 1);
  CheckName(face.Name(0), parsed.name);
  CheckName(face.Name(1), parsed.name);
  Check(face.IsMale(1) == (parsed.isMale ? 1 : 0));
  ::NuvaroData record = core::PairRecord(face.Name(0), face.Name(1), face.IsMale(1) != 0, engine);
  Check(record.balloonText == nullptr && record.percentage == 0);
  return 0;
}
