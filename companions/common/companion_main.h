// The whole start of a companion program: one copy per user, Qt's Japanese texts and
// the page window.
#pragma once

#include <QString>

namespace nuvaro::companions {

struct CompanionDescription {
  QString key;             // process and single-copy name ("NuvaroHelp")
  QString title;           // window title
  QString resourceFolder;  // ":/help"
};

int RunCompanion(int argc, char** argv, const CompanionDescription& description);

}  // namespace nuvaro::companions
