#pragma once

// Shared main of the test executables: one executable per folder runs every
// test class registered in it, headless, with the German interface and
// locale whatever the system's (or the English ones after "--lang en"), a
// screen of 1024 x 768 and the error box replaced by a recorder.
#include <QObject>
#include <QStringList>
#include <QtTest>
#include <functional>

namespace testsupport {

using Factory = std::function<QObject*()>;

struct Registrar {
    Registrar(const char* name, Factory factory);
};

// Texts the error box would have shown since the last call to clearErrors().
const QStringList& errors();
void clearErrors();

// Keeps the offscreen platform's notes on each raise() and keyboard grab it
// cannot do out of the log for the rest of the running test class.
void hidePlatformNotes();

}

#define REGISTER_TEST(Class) \
    static const testsupport::Registrar registrar_##Class(#Class, []() -> QObject* { return new Class; });
