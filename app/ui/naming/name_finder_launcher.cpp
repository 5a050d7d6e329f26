#include "ui/naming/name_finder_launcher.h"

#include <QPointer>

#include "core/application_core.h"
#include "core/member.h"
#include "core/member_list.h"
#include "members/entry_toolbar.h"
#include "members/member_list_page.h"
#include "ui/naming/name_finder_window.h"

namespace nuvaro::ui {

void ConnectNameFinder(CEntryToolbar& bar, core::ApplicationCore& core, QWidget* frame) {
  auto window = std::make_shared<QPointer<CNameFinderWindow>>();
  QObject::connect(&bar, &CEntryToolbar::finderRequested, &bar, [&bar, &core, frame, window] {
    if (!*window) {
      auto registerName = [&bar](const std::string& fullName, bool isMale) {
        return RegisterFoundName(bar, fullName, isMale);
      };
      auto openReading = [&core, window](const std::string& fullName, bool isMale) {
        return OpenOwnReading(fullName, isMale, core.Plugins(), core.Engine(), window->data());
      };
      *window = new CNameFinderWindow(core.Document().Face(), core.Plugins(), core.Engine(), registerName, openReading,
                                      frame);
      (*window)->setAttribute(Qt::WA_DeleteOnClose);
    } else {
      (*window)->TakeBoard();
      (*window)->Refresh();
    }
    (*window)->show();
    (*window)->raise();
    (*window)->activateWindow();
  });
}

bool RegisterFoundName(CEntryToolbar& bar, const std::string& fullName, bool isMale) {
  CMemberListPage* page = bar.Page(bar.CurrentPageIndex());
  if (page == nullptr) return false;
  const core::NameParts parts = core::SplitFullName(fullName);
  core::MemberForm form{parts.surname, parts.givenName, isMale ? 0 : 1, {}};
  if (!page->List().Register(-1, form)) return false;
  page->Refresh();
  page->SelectRows({0});
  bar.show();
  bar.raise();
  return true;
}

}  // namespace nuvaro::ui
