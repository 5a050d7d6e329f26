// NuvaroHelp: the user guide of the whole program.
#include "companion_main.h"

int main(int argc, char** argv) {
  return nuvaro::companions::RunCompanion(
      argc, argv, {QStringLiteral("NuvaroHelp"), QStringLiteral("ヌヴァロ君の使い方"), QStringLiteral(":/help")});
}
