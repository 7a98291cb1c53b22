#pragma once

// The program as its main() starts it, driven by a benchmark: its windows
// shown one after another the way a user opens them, each timed from the
// menu item to the end of its first painting, and closed again.
#include <QString>
#include <vector>

namespace bench {

// main()'s steps before the application object exists, and after it.
void beforeApplication();
void startProgram();

// Runs the event loop until the program has created all its windows.
bool waitForAllWindows(int timeoutMs);

struct Showing {
    QString window;      // class name
    double first = -1;   // ms from the menu item to the end of the first painting
    double second = -1;  // the same for the next showing
    // ms from the menu item to the window's first pixels on the screen, at
    // its first showing (-1: not watched, or not seen within 3 s)
    double firstPixels = -1;
};

// Opens every window but the title window from the menu item that opens it
// in the program (the hub's topics and evaluations; the title window's item
// for the hub; the others as their openers show them), waits for its
// painting, closes it; `showings` times in all (1 or 2). With
// `watchScreen`, on an X server with the DAMAGE extension, the first
// showing is also timed to its first pixels on the screen.
std::vector<Showing> tourWindows(int showings, bool watchScreen = false);

}
