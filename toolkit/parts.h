#pragma once

// Parts of the program that live in libraries of their own and are loaded
// the first time they are needed, so that starting the program neither loads
// nor relocates the libraries only they use: "printing" (saving as SVG and
// printing: Qt Svg, Qt Print Support), "charts" (the hardness chart: Qt
// Charts) and "evaluation" (the evaluation of one's own measurements and
// its windows: GSL). Each part has one entry function,
// `werkstoff_part_<name>`, with C linkage.
//
// The program finds the part libraries (libwerkstoff-<name>.so) in its part
// folder beside its installation; they in turn use the toolkit's functions
// from the program. An executable that links a part's code itself (tests,
// tools, benchmarks) and exports its entry function uses that instead.
#include <QString>

namespace tk {

// The entry function of the part, loaded on the first call (thread-safe);
// null where it cannot be loaded, with the reason in `failure`. A part once
// loaded stays loaded until the program ends.
void* partEntry(const char* part, QString* failure = nullptr);

// The same with the entry's type, taken from its declaration:
//   partEntry<decltype(werkstoff_part_printing)>("printing", &failure)
template <class Function>
Function* partEntry(const char* part, QString* failure = nullptr)
{
    return reinterpret_cast<Function*>(partEntry(part, failure));
}

// Loads the part on a thread of the pool, for a window that is likely to be
// opened soon and should not wait for it then.
void preloadPart(const char* part);

// The folder the part libraries are loaded from: the program's own, found
// relative to its executable, unless set (a test of the libraries as built).
QString partFolder();
void setPartFolder(const QString& folder);

}
