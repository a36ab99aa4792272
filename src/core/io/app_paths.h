#pragma once

#include <filesystem>

namespace tarveno {

// Where the programs find their files. Nothing else builds a data path.
//
// The read-only data (kruid.dat, the meter files, the example charts) lies beside the program
// when it runs from its build folder, and in <prefix>/share/tarveno when it is installed, found
// from the program's own folder so that any prefix works. view.dat, the one file the editor
// writes, stays beside the program where it may write there; an installed program (or one in a
// folder the user may not write) keeps it in the user's configuration folder instead.
struct AppPaths {
  std::filesystem::path dataFolder;
  std::filesystem::path viewSettingsFile;
  // The editor's recovery copies of unsaved work, one per running editor.
  std::filesystem::path recoveryFolder;

  std::filesystem::path catalogueFile() const { return dataFolder / "kruid.dat"; }
};

// programFolder: the folder of the running executable; configFolder: the user's configuration
// folder for this program (it need not exist yet); userDataFolder: the user's data folder for
// this program, which holds the recovery copies (empty: the configuration folder does).
AppPaths resolveAppPaths(const std::filesystem::path& programFolder, const std::filesystem::path& configFolder,
                         const std::filesystem::path& userDataFolder = {});

// The file named on the command line, taken from the folder the program was started in when
// it is relative. Empty stays empty.
std::filesystem::path commandLineFile(const std::filesystem::path& name, const std::filesystem::path& launchFolder);

}  // namespace tarveno
