#include "calendar_options.h"

namespace nuvaro::cli {

CalendarOptions ParseCalendarOptions(const std::vector<std::string>& args) {
  CalendarOptions options;
  std::size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) {
      options.error = name + " needs a value";
      return options;
    }
    const std::string& value = args[i + 1];
    if (name == "--law" && (value == "current" || value == "original")) {
      options.currentLaw = value == "current";
    } else if (name == "--lunar" && (value == "exact" || value == "arithmetic")) {
      options.exactLunar = value == "exact";
    } else if (name == "--law" || name == "--lunar") {
      options.error = "\"" + value + "\" is no value of " + name +
                      (name == "--law" ? " (current or original)" : " (exact or arithmetic)");
      return options;
    } else {
      options.error = "unknown option \"" + name + "\"";
      return options;
    }
  }
  options.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return options;
}

}  // namespace nuvaro::cli
