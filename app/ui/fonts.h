// The font names the screens are laid out with, the faces that stand in for
// them on this machine (InstallFonts maps one onto the other), and font sizes
// in points and pixels.
#pragma once

namespace fonts {

// Asked for by the layouts.
inline constexpr const char* kPGothic = "ＭＳ Ｐゴシック";  // proportional
inline constexpr const char* kGothic = "ＭＳ ゴシック";     // fixed width
inline constexpr const char* kDigits = "FC数字書体05";      // the numbers on the board

// The faces that come with the program, among its resources: the digits, and
// the two gothic faces cut down to the characters the screens show.
inline constexpr const char* kBundledDigitsFile = ":/assets/digits.ttf";
inline constexpr const char* kBundledGothicFile = ":/assets/screen_gothic.ttf";
inline constexpr const char* kBundledPGothicFile = ":/assets/screen_pgothic.ttf";
// Debian's faces; the IPA ones go by an English and a Japanese family name.
inline constexpr const char* kKleeOne = "Klee One";
inline constexpr const char* kIpaGothic = "IPAGothic";
inline constexpr const char* kIpaGothicJa = "IPAゴシック";
inline constexpr const char* kIpaPGothic = "IPAPGothic";
inline constexpr const char* kIpaPGothicJa = "IPA Pゴシック";

}  // namespace fonts

namespace ui {

// Points at 96 pixels per inch, rounded: 28 points are 37 pixels.
int PointsToPixels(int points);
int PixelsToPoints(int pixels);
// Maps the layouts' font names onto the faces this machine has.
void InstallFonts();

}  // namespace ui
