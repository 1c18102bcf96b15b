// The ten screens of the program, created once at start in a fixed order and
// reachable through one global reference each.
#pragma once

#include <vector>

class TPORONKA;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm9;
class TForm10;

extern TPORONKA* PORONKA;  // drill screen, the main window
extern TForm2* Form2;      // counter window
extern TForm3* Form3;      // fifty-in-a-row screen
extern TForm4* Form4;      // ten-in-a-row badge
extern TForm5* Form5;      // hundred-solved screen
extern TForm6* Form6;      // greeting kitten; hosts the making-ten animation
extern TForm1* Form1;      // picture library, never shown
extern TForm7* Form7;      // sprite sheet holder, never shown
extern TForm9* Form9;      // wallpaper chooser
extern TForm10* Form10;    // backdrop and start-up sequencer

// Application-wide settings every run needs: title, style, fonts, icon.
// Call once with the QApplication alive, before CreateScreens().
void SetUpApplication();

// Creates the ten screens in their order and runs their creation handlers.
// Does not start the event loop.
void CreateScreens();

// Deletes the screens (at exit, and between tests).
void DestroyScreens();

// The screens in the order they were created.
namespace ui {
class Form;
}
const std::vector<ui::Form*>& CreatedScreens();
