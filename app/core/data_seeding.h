// First start of an installed program: the user's data folder receives copies of the
// member lists shipped in the program folder (the sample list and the empty ones), so
// the lists the user sees are the same as in the portable layout.
#pragma once

namespace nuvaro::core {

// Copies every member list file that the data folder lacks from the program folder.
// Does nothing when the data folder is the program folder. A file that cannot be
// copied is left missing (the list then starts empty, as a missing list does).
void SeedDataFolder();

}  // namespace nuvaro::core
