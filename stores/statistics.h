#pragma once
// The statistics files in the data folder. This program records no games; it
// keeps an installation's score file at the current version and uses the
// presence of per-game statistics files to recognise a first run.
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct Context;
class Register;

/// Current version of the score file.
inline constexpr std::string_view kScoreFileVersion = "0300";

struct SectionValues {
    std::vector<std::string> values;
    bool allFound = false;
};

/// Values of keys in one section of a text file. Keys match a line's first
/// characters (so "Version" also matches "Version2=..."), the first key that
/// matches takes the text after the line's first "="; missing keys keep their
/// defaults. Reading stops once every key is found. A missing file gives the
/// defaults and allFound false.
SectionValues readSectionValues(const std::string& path, std::string_view section,
                                const std::vector<std::string>& keys, const std::vector<std::string>& defaults);

/// Brings DATA\STAT_SCR.DAT to version 0300 when it is older: the new text
/// (version section first, record lines starting with "0" padded to 89
/// characters and marked " x") replaces the old file in one rename, so the
/// scores are never lost. True when the file was replaced. Whenever the score
/// file exists, the settings Cards_Animate and ConfirmQuit are corrected
/// from "S" to "Y".
bool updateScoreFile(Context& ctx);

/// True when a per-game statistics file "Stat_eNN.dat" (00-99) exists. With no
/// "Stat_e*.dat" file at all, the series file "Series_e01.dat" is deleted.
bool statisticsPresent(const Register& reg);

}  // namespace tessaro
