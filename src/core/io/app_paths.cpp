#include "core/io/app_paths.h"

#include "core/io/files.h"

namespace tarveno {

namespace {

bool holdsCatalogue(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_regular_file(folder / "kruid.dat", ec);
}

}  // namespace

AppPaths resolveAppPaths(const std::filesystem::path& programFolder, const std::filesystem::path& configFolder,
                         const std::filesystem::path& userDataFolder) {
  const std::filesystem::path installed = (programFolder / ".." / "share" / "tarveno").lexically_normal();
  const bool besideProgram = holdsCatalogue(programFolder) || !holdsCatalogue(installed);
  AppPaths paths;
  paths.dataFolder = besideProgram ? programFolder : installed;
  // An installed program never writes into its own folder, even where it could (as root).
  const bool settingsBeside = besideProgram && userMayWrite(programFolder);
  paths.viewSettingsFile = (settingsBeside ? programFolder : configFolder) / "view.dat";
  // Never beside the program: copies of unsaved work belong to the user, not to the build.
  paths.recoveryFolder = (userDataFolder.empty() ? configFolder : userDataFolder) / "recovery";
  return paths;
}

std::filesystem::path commandLineFile(const std::filesystem::path& name, const std::filesystem::path& launchFolder) {
  if (name.empty() || name.is_absolute()) return name;
  return launchFolder / name;
}

}  // namespace tarveno
