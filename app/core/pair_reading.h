// The pair computation behind the whispers, the chart and the detail dialogs: the
// user's and one person's names turned into sums by the engine, handed to the selected
// plug-ins as a NuvaroData record.
#pragma once

#include <string>

#include "nuvaro_plugin.h"

namespace nuvaro::core {

class CFace;
class EngineBinding;
class PluginHost;

// Name parts handed to the engine for a pair are cut to this many bytes.
inline constexpr std::size_t kPairNamePartBytes = 19;

// A zero-filled record with the user's sums as self and the given person's as other
// (each name split at its first space, each part cut to 19 bytes on a character
// boundary; a name the engine cannot read gives sums of 0).
::NuvaroData PairRecord(const std::string& selfName, const std::string& otherName, bool otherIsMale,
                        const EngineBinding& engine);

// The record for the name plate of the person with face id n, as the board asks it: the
// name is that of the first active entry with that id from index 0, the sex that of the
// first from index 1 (male when none, so always male for the user, id 0).
::NuvaroData PlateRecord(const CFace& face, int faceId, const EngineBinding& engine);

// Calls the selected plug-ins on the record: every plug-in of the active reading, or
// in mode 6 the first plug-in of group 6. Without a match the record stays as it was.
void CallSelectedPlugins(PluginHost& host, const CFace& face, ::NuvaroData& record);

// Whether a pair can be read: a named user whose name the engine cannot count, or the
// other person's name, leaves every sum 0, and the plug-ins would answer with their
// tables' headings. The user still unnamed counts as readable (the readings then use
// the other person's sums alone).
enum class PairNames { Readable, SelfUnreadable, OtherUnreadable };
PairNames CheckPairNames(const CFace& face, const std::string& otherName, const EngineBinding& engine);

// Sets mode 0 and gives every face from index 1 on, active or not, its whisper: the
// plug-in's balloon text, copied (the empty text when the plug-in leaves it null). A pair
// that cannot be read gets our own text saying whose name cannot be counted instead.
void ComputeWhispers(CFace& face, PluginHost& host, const EngineBinding& engine);

// The percentage of the pair (user, entry index) under the active reading; mode is 0
// for the call and restored afterwards.
int PairPercentage(CFace& face, int index, PluginHost& host, const EngineBinding& engine);

// Detail text k (1 to 10) for the person with face id n (PlateRecord) under the current
// selection. A copy; empty when the plug-in leaves it null or k is outside 1 to 10.
std::string PairDetailText(const CFace& face, int k, int faceId, PluginHost& host, const EngineBinding& engine);

}  // namespace nuvaro::core
