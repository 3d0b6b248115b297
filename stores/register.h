#pragma once
// The configuration register: one text field space of positions 1 to 999 that
// holds the current settings and a few values of the running game. Fields are
// addressed by (position, width); the register knows no field names.
#include <string>
#include <string_view>
#include <utility>

namespace tessaro {

/// A field of the register: position and width.
struct Field {
    int pos;
    int width;
};

class Register {
public:
    Register();

    /// Sets the three strings to 250 blanks, stores the program folder at
    /// (501, 200) and the settings file name "DATA\CFG.DAT" at (1, 20).
    void initialise(std::string_view programFolder);
    /// Empties the three strings (program end).
    void release();

    /// The folder of the player's writable files when it is not the program
    /// folder (an installed program: see locateProgramPlaces), with a
    /// trailing "/"; empty otherwise. Kept beside the three strings, as it
    /// may be longer than any field.
    const std::string& userRoot() const { return userRoot_; }
    void setUserRoot(std::string folder) { userRoot_ = std::move(folder); }

    /// Removes leading blanks of value, pads or cuts it to width and puts it in
    /// place. Positions of 1000 and above change nothing.
    void write(int pos, int width, std::string_view value);
    void write(Field f, std::string_view value) { write(f.pos, f.width, value); }
    /// Copies the field and removes trailing blanks. Positions of 1000 and
    /// above leave `out` as it was.
    void read(int pos, int width, std::string& out) const;
    std::string read(int pos, int width) const;
    std::string read(Field f) const { return read(f.pos, f.width); }

    /// Strict decimal conversion of a field; `fallback` when it is not a number.
    int readInt(Field f, int fallback = 0) const;
    /// Writes a number zero-padded to the field width.
    void writePadded(Field f, long long value) { write(f, zeroPadded(value, f.width)); }
    /// Writes a number in its shortest decimal form.
    void writePlain(Field f, long long value) { write(f, std::to_string(value)); }
    bool flag(Field f) const { return read(f) == "Y"; }
    void setFlag(Field f, bool on) { write(f, on ? "Y" : "N"); }

    /// Length of string 0, 1 or 2 (for tests of the growth rule).
    std::size_t stringLength(int which) const { return s_[which].size(); }

    /// Zero-padded decimal form: 11 in width 3 gives "011", -1 in width 4
    /// gives "-001"; a number too wide for the field gives width "*".
    static std::string zeroPadded(long long value, int width);

private:
    // Maps a position to (string index, 1-based character index).
    static bool locate(int pos, int& which, int& index);
    std::string s_[3];
    std::string userRoot_;
};

/// Register fields used across the program.
namespace reg {
inline constexpr Field SettingsFile{1, 20};
inline constexpr Field CardBack{21, 3};
inline constexpr Field CardFaceSet{24, 3};
inline constexpr Field BackgroundDefault{27, 1};
inline constexpr Field BackgroundColour{28, 15};
inline constexpr Field BackgroundPicture{43, 4};
inline constexpr Field BackgroundFixedColour{47, 15};
inline constexpr Field Game{62, 4};
inline constexpr Field ShowTime{66, 1};
inline constexpr Field CardsAnimate{67, 1};
inline constexpr Field Language{68, 6};
inline constexpr Field SpeedMoveCard{74, 2};
inline constexpr Field StatusBar{76, 1};
inline constexpr Field Player{77, 30};
inline constexpr Field ScoringMode{120, 2};
inline constexpr Field Score{122, 6};
inline constexpr Field CardSize{128, 1};
inline constexpr Field SavedFaceSet{129, 3};
inline constexpr Field SavedBack{132, 3};
inline constexpr Field FadeBackground{135, 1};
inline constexpr Field ShowScore{136, 1};
inline constexpr Field UndoMode{137, 1};
inline constexpr Field SoundsOn{141, 1};
inline constexpr Field SoundAbout{142, 1};
inline constexpr Field SoundAutoplay{143, 1};
inline constexpr Field SoundWon{144, 1};
inline constexpr Field SoundNew{145, 1};
inline constexpr Field SoundShuffle{149, 1};
inline constexpr Field RandomBackground{152, 1};
inline constexpr Field DealNumber{153, 15};
inline constexpr Field Cursor{172, 2};
inline constexpr Field SoundPairing{175, 1};
inline constexpr Field SoundStock{176, 1};
inline constexpr Field SoundTableau{177, 1};
inline constexpr Field CardsShadowed{178, 1};
inline constexpr Field IrregularPiles{179, 1};
inline constexpr Field SoundFaceUp{180, 1};
inline constexpr Field SoundCardDown{181, 1};
inline constexpr Field SoundCardUp{182, 1};
inline constexpr Field SoundRedeal{183, 1};
inline constexpr Field SoundFoundation{184, 1};
inline constexpr Field ConfirmQuit{185, 1};
inline constexpr Field RandomCardFace{187, 1};
inline constexpr Field RandomCardBack{188, 1};
inline constexpr Field GameName{189, 50};
inline constexpr Field AutoFaceUp{239, 1};
inline constexpr Field SavedCardSize{240, 1};
inline constexpr Field DealAnimation{241, 1};
inline constexpr Field RedealAnimation{242, 1};
inline constexpr Field ShowToolTips{244, 1};
inline constexpr Field CustomBackground{246, 1};
inline constexpr Field RightClickFoundations{247, 1};
inline constexpr Field RightClickTableaus{248, 1};
inline constexpr Field DoubleClickFoundations{249, 1};
inline constexpr Field DoubleClickTableaus{251, 1};
inline constexpr Field SoundRedealQuiet{252, 1};
inline constexpr Field ShowPartialHidden{255, 1};
inline constexpr Field MissShowTime{300, 5};  ///< "200", "500", "1000", "2000" ms or "Click"
inline constexpr Field ProgramFolder{501, 200};
}  // namespace reg

}  // namespace tessaro
