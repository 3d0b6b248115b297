#include "stores/background_choice.h"

#include "platform/profile.h"
#include "stores/register.h"
#include "stores/settings.h"

namespace tessaro {

namespace {

// A register field as a 32-bit number; 0 when it holds none.
int numberIn(const Register& reg, Field f) {
    int value = 0;
    return Profile::parseInt(reg.read(f), value) ? value : 0;
}

}  // namespace

int storedBackgroundColour(const Register& reg) {
    const int colour = numberIn(reg, reg::BackgroundColour);
    return colour == 0 ? kButtonFaceColour : colour;
}

BackgroundChoice backgroundChoice(int code, int storedColour) {
    BackgroundChoice c;
    if (code <= 0) return c;  // no choice: the default background
    c.isDefault = "N";
    if (code == 1)
        c.colour = storedColour;
    else if (code <= 1000)
        c.picture = std::to_string(code);
    else
        c.fixedColour = code;
    return c;
}

void writeBackgroundChoice(Register& reg, const BackgroundChoice& choice) {
    reg.write(reg::BackgroundPicture, choice.picture);
    reg.write(reg::BackgroundDefault, choice.isDefault);
    reg.writePlain(reg::BackgroundColour, choice.colour);
    reg.writePlain(reg::BackgroundFixedColour, choice.fixedColour);
}

void writeBackgroundSettings(const Profile& settings, const BackgroundChoice& choice, int storedColour) {
    settings.writeString(section::Preference, "Background_bmp", choice.picture);
    settings.writeString(section::Preference, "Background_Def", choice.isDefault);
    settings.writeInt(section::Preference, "Background_Fixed_Col", choice.fixedColour);
    settings.writeInt(section::Preference, "Background_Col", storedColour);
}

int backgroundCodeOf(const Register& reg) {
    if (reg.read(reg::BackgroundDefault) == "Y") return 0;
    // choice: the picture is looked at before the fixed colour, as the table
    // draws it: a picture number with the fixed colour's default beside it
    // (the settings file may hold both) shows the picture, not the colour.
    const int picture = numberIn(reg, reg::BackgroundPicture);
    if (picture >= 2 && picture <= 1000) return picture;
    const int fixed = numberIn(reg, reg::BackgroundFixedColour);
    if (fixed > 1000) return fixed;
    return 1;
}

}  // namespace tessaro
