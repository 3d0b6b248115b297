#pragma once
// The table background as the customize dialog stores it. A background is
// chosen by one code: 0 or less is no choice (the default background), 1 the
// custom colour, 2 to 1000 a picture of the resource library and above 1000 a
// fixed colour (the colour value itself). The code decides the register
// fields 43, 27, 28 and 47 and the matching keys of the settings file.
#include <string>

namespace tessaro {

class Profile;
class Register;

/// The button-face system colour 0x8000000F, as the register and the
/// settings file hold it (a signed 32-bit value).
inline constexpr int kButtonFaceColour = -2147483633;

/// What one background code stores.
struct BackgroundChoice {
    std::string picture = "0";    ///< register 43 and Background_bmp
    std::string isDefault = "Y";  ///< register 27 and Background_Def
    int colour = 0;               ///< register 28
    int fixedColour = 0;          ///< register 47 and Background_Fixed_Col
    friend bool operator==(const BackgroundChoice&, const BackgroundChoice&) = default;
};

/// The custom colour kept while the dialog is open: the register's colour
/// field (28), or the button-face colour when that field is 0 or no number.
int storedBackgroundColour(const Register& reg);

/// The fields a background code stands for; `storedColour` is what the
/// custom colour (code 1) stores.
BackgroundChoice backgroundChoice(int code, int storedColour);

/// Writes the choice into register fields 43, 27, 28 and 47.
void writeBackgroundChoice(Register& reg, const BackgroundChoice& choice);

/// Writes Background_bmp, Background_Def, Background_Fixed_Col and
/// Background_Col (always the stored colour) into section Preference.
void writeBackgroundSettings(const Profile& settings, const BackgroundChoice& choice, int storedColour);

/// The code the register's background stands for, in the order the table
/// draws it: 0 while the default background is in use (27 = "Y"), the
/// picture number when it lies in 2 to 1000, else the fixed colour when one
/// above 1000 is stored, else 1 (the custom colour).
int backgroundCodeOf(const Register& reg);

}  // namespace tessaro
