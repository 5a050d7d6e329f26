#include "cli_command.h"

#include <algorithm>
#include <memory>

namespace nuvaro::cli {
namespace {

std::vector<std::unique_ptr<CliCommand>>& Registry() {
  static std::vector<std::unique_ptr<CliCommand>> commands;
  return commands;
}

}  // namespace

CliCommandRegistration::CliCommandRegistration(CliCommand command) {
  Registry().push_back(std::make_unique<CliCommand>(std::move(command)));
}

std::vector<const CliCommand*> RegisteredCommands() {
  std::vector<const CliCommand*> commands;
  for (const auto& command : Registry()) commands.push_back(command.get());
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand* a, const CliCommand* b) { return a->name < b->name; });
  return commands;
}

const CliCommand* FindCommand(const std::string& name) {
  for (const auto& command : Registry())
    if (command->name == name) return command.get();
  return nullptr;
}

}  // namespace nuvaro::cli
