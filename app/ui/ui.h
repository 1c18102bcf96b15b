// The small layer between the screens and Qt, all of it: the screens include
// this one header. Each operation the screens use has one function or class,
// with the behaviour the screens count on where plain Qt differs (timer
// intervals, key preview, retained canvases, one error box for failing
// handlers). One header per concern, each beside the file that defines it.
#pragma once

#include "app/desktop/sound.h"     // ui::Beep: the wrong answer's bell
#include "app/ui/accessibility.h"  // Announce, what a screen reader sees
#include "app/ui/components.h"     // Image, Label, RadioGroup
#include "app/ui/convert.h"        // IntToText, TextToInt
#include "app/ui/dispatch.h"       // HandlerError, RunHandler, Connect, the error box
#include "app/ui/fonts.h"          // the layouts' font names, points and pixels
#include "app/ui/forms.h"          // Form, the window order, RunApplication
#include "app/ui/keyboard.h"       // Return on buttons, the focus mark
#include "app/ui/layout.h"         // Component rows, UI_MEMBER, BuildLayout, Find
#include "app/ui/pictures.h"       // Rect, CopyArea, DrawPicture, StoredPicture
#include "app/ui/random.h"         // SeedRandom, RandomBelow, RandomReal and their seams
#include "app/ui/surface.h"        // one surface where windows cannot be placed; the active screen
#include "app/ui/timer.h"          // Timer, SetTimersRunning
