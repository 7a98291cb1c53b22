#include "parts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QThreadPool>
#include <dlfcn.h>

namespace tk {

namespace {

QMutex& partsLock()
{
    static QMutex lock;
    return lock;
}

QString& chosenFolder()
{
    static QString folder;
    return folder;
}

}

void preloadPart(const char* part)
{
    QThreadPool::globalInstance()->start([part] { partEntry(part); });
}

QString partFolder()
{
    QMutexLocker locker(&partsLock());
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    // WERKSTOFF_PART_FOLDER is the part folder relative to the executable's,
    // the same in the build tree as where the program is installed.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(WERKSTOFF_PART_FOLDER));
}

void setPartFolder(const QString& folder)
{
    QMutexLocker locker(&partsLock());
    chosenFolder() = folder;
}

void* partEntry(const char* part, QString* failure)
{
    const QByteArray symbol = QByteArray("werkstoff_part_") + part;
    // Linked into this executable.
    if (void* here = dlsym(RTLD_DEFAULT, symbol.constData()))
        return here;
    const QString file = partFolder() + QStringLiteral("/libwerkstoff-%1.so").arg(QLatin1String(part));
    QMutexLocker locker(&partsLock());
    static QHash<QString, void*> loaded;
    if (void* entry = loaded.value(file))
        return entry;
    // RTLD_NOW: a part that does not fit the program fails here, with a
    // message, and not at some later call.
    void* library = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    void* entry = library ? dlsym(library, symbol.constData()) : nullptr;
    if (!entry) {
        if (failure)
            *failure = QString::fromLocal8Bit(dlerror());
        if (library)
            dlclose(library);
        return nullptr;
    }
    loaded.insert(file, entry);
    return entry;
}

}
