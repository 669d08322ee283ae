#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace viskora {

// Reports are temporary files in one output folder: "OUT" beside the
// executable when that place is writable, otherwise "OUT" in the user's
// application-data folder (an installed program sits in a folder the user
// cannot write). The folder's files are deleted when the program exits.

inline constexpr std::string_view kOutputFolderName = "OUT";

// The folder holding the running executable; empty when it cannot be found.
std::filesystem::path executableFolder();

// $XDG_DATA_HOME/Viskora, else $HOME/.local/share/Viskora; empty when
// neither variable gives an absolute path.
std::filesystem::path applicationDataFolder();

// "OUT" in `programFolder` when it can be used there, else "OUT" in
// `dataFolder`. "Usable" means an existing writable folder "OUT", or no entry
// of that name in a writable `programFolder`.
std::filesystem::path chooseOutputFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataFolder);

// chooseOutputFolder(executableFolder(), applicationDataFolder()).
std::filesystem::path defaultOutputFolder();

// A report's file name without extension: the document title cut before its
// last ".", so "pipe.vkr" gives "pipe", "a.b.vkr" gives "a.b" and a new
// document's "ViskoraAddCalc1" stays whole.
std::string reportBaseName(std::string_view documentTitle);

// Creates the folder (and any missing parents) unless an entry of that name
// exists; an empty path stands for the working folder. False when it had to
// be created and could not be.
bool ensureOutputFolder(const std::filesystem::path& folder);

// ensureOutputFolder, giving the reason the folder could not be created, as
// a sentence, or empty when it is there.
std::string makeOutputFolder(const std::filesystem::path& folder);

// Deletes every entry of the folder that is not itself a folder; subfolders
// and their contents stay, failures are ignored.
void cleanOutputFolder(const std::filesystem::path& folder);

} // namespace viskora
