#include "registry.h"

#include "haupt_form.h"
#include "hub_form.h"
#include "info_form.h"

#include "fatigue/woehler_recording_form.h"
#include "hardness/brinell_form.h"
#include "hardness/hb_form.h"
#include "hardness/hv_form.h"
#include "hardness/hvgraph_form.h"
#include "hardness/vickers_form.h"
#include "impact/pendulum_form.h"
#include "tensile/zug_form.h"

#include "resources/pictures.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <functional>

namespace app {

namespace {

// Constructs the window, sets its global reference, then runs its creation
// handler, which places the window through that reference.
template <class T>
tk::Form* create(T*& globalReference)
{
    globalReference = new T();
    globalReference->formCreate();
    return globalReference;
}

using Factory = std::function<tk::Form*()>;

// The windows of this build. A window whose class is missing here is not
// built yet; the order of creation is that of windowOrder() in any case.
const QHash<QString, Factory>& factories()
{
    static const QHash<QString, Factory> table = {
        {QStringLiteral("TFormHaupt"), [] { return create(FormHaupt); }},
        {QStringLiteral("TFormBrinell"), [] { return create(FormBrinell); }},
        {QStringLiteral("TFormVickers"), [] { return create(FormVickers); }},
        {QStringLiteral("TFormZug"), [] { return create(FormZug); }},
        {QStringLiteral("TFormKerbHa"), [] { return create(FormKerbHa); }},
        {QStringLiteral("TFormHB"), [] { return create(FormHB); }},
        {QStringLiteral("TFormHV"), [] { return create(FormHV); }},
        {QStringLiteral("TFormInfo"), [] { return create(FormInfo); }},
        {QStringLiteral("TFormMPUeber"), [] { return create(FormMPUeber); }},
        {QStringLiteral("TFormHVGraph"), [] { return create(FormHVGraph); }},
        {QStringLiteral("TFormDauerWoehler"), [] { return create(FormDauerWoehler); }},
    };
    return table;
}

QHash<QString, tk::Form*>& windows()
{
    static QHash<QString, tk::Form*> w;
    return w;
}

QStringList& created()
{
    static QStringList c;
    return c;
}

}

const QStringList& windowOrder()
{
    static const QStringList order = {
        QStringLiteral("TFormHaupt"),         QStringLiteral("TFormHaerte"),
        QStringLiteral("TFormBrinell"),       QStringLiteral("TFormRockwell"),
        QStringLiteral("TFormVickers"),       QStringLiteral("TFormZugma"),
        QStringLiteral("TFormZug"),           QStringLiteral("TFormKerbHa"),
        QStringLiteral("TFormAvT"),           QStringLiteral("TFormBildH"),
        QStringLiteral("TFormBildM"),         QStringLiteral("TFormBildT"),
        QStringLiteral("TFormHB"),            QStringLiteral("TFormHV"),
        QStringLiteral("TFormZugAnniHoch"),   QStringLiteral("TFormBildAus"),
        QStringLiteral("TFormInfo"),          QStringLiteral("TFormHVA223"),
        QStringLiteral("TFormHVA223Koerper"), QStringLiteral("TFormHVA223Kraft"),
        QStringLiteral("TFormHVA223Lese"),    QStringLiteral("TFormMPUeber"),
        QStringLiteral("TFormZugD108"),       QStringLiteral("TFormHammerD108"),
        QStringLiteral("TFormHVGraph"),       QStringLiteral("TFormDauer1"),
        QStringLiteral("TFormDauer2"),        QStringLiteral("TFormDauerWBM"),
        QStringLiteral("TFormDauerEinfluss"), QStringLiteral("TFormDauer3"),
        QStringLiteral("TFormDauerWoehler"),  QStringLiteral("TFormDauerBild"),
        QStringLiteral("TFormDauerTExt"),     QStringLiteral("TFormDauer4"),
    };
    return order;
}

void createWindows()
{
    if (!created().isEmpty())
        return;
    // Every window shows the program's icon; QIcon reads the files only when
    // a size is asked for.
    QIcon icon;
    for (const QString& file : pictures::applicationIcon())
        icon.addFile(file);
    QApplication::setWindowIcon(icon);
    for (const QString& name : windowOrder()) {
        const auto it = factories().constFind(name);
        if (it == factories().constEnd())
            continue;
        windows().insert(name, it.value()());
        created().append(name);
    }
}

tk::Form* findWindow(const QString& className) { return windows().value(className, nullptr); }

bool isBuilt(const QString& className) { return factories().contains(className); }

const QStringList& createdWindows() { return created(); }

void startProgram()
{
    createWindows();
    FormHaupt->show();
}

}
