#pragma once

// The QObjects made while a LiveObjects exists that are still alive, found
// through the hooks Qt keeps for object inspectors (qtHookData, exported by
// QtCore): a test can ask what a piece of code left behind.
#include <QObject>
#include <QStringList>
#include <QtGlobal>
#include <set>

extern quintptr qtHookData[];

namespace testsupport {

class LiveObjects {
public:
    LiveObjects()
    {
        objects().clear();
        qtHookData[addHook] = reinterpret_cast<quintptr>(&added);
        qtHookData[removeHook] = reinterpret_cast<quintptr>(&removed);
    }
    ~LiveObjects()
    {
        qtHookData[addHook] = 0;
        qtHookData[removeHook] = 0;
        objects().clear();
    }
    LiveObjects(const LiveObjects&) = delete;
    LiveObjects& operator=(const LiveObjects&) = delete;

    // The class names of the objects still alive, for a readable failure.
    // Gestures are left out: Qt's gesture manager keeps those of a deleted
    // widget and deletes them itself later.
    QStringList classNames() const
    {
        QStringList names;
        for (QObject* o : objects())
            if (!o->inherits("QGesture"))
                names << QString::fromLatin1(o->metaObject()->className());
        names.sort();
        return names;
    }

private:
    // Indices into qtHookData (QHooks::AddQObject, QHooks::RemoveQObject).
    static constexpr int addHook = 3;
    static constexpr int removeHook = 4;

    static std::set<QObject*>& objects()
    {
        static std::set<QObject*> o;
        return o;
    }
    static void added(QObject* o) { objects().insert(o); }
    static void removed(QObject* o) { objects().erase(o); }
};

}
