// NuvaroNavi: concrete worries, each answered with the reading to use and how to read it.
#include "companion_main.h"

int main(int argc, char** argv) {
  return nuvaro::companions::RunCompanion(
      argc, argv,
      {QStringLiteral("NuvaroNavi"), QStringLiteral("ヌヴァロ問題解決メニュー"), QStringLiteral(":/navi")});
}
