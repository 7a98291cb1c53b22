#include "registry.h"

#include "haupt_form.h"
#include "hub_form.h"
#include "info_form.h"

#include "fatigue/bending_machine_form.h"
#include "fatigue/influence_factors_form.h"
#include "fatigue/introduction_form.h"
#include "fatigue/load_range_form.h"
#include "fatigue/woehler_influence_form.h"
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
#include <QIcon>
#include <type_traits>

namespace app {

namespace {

// Constructs the window, sets its global reference, then runs its creation
// handler, which places the window through that reference.
template <auto& globalReference>
tk::Form* create()
{
    using Window = std::remove_pointer_t<std::remove_reference_t<decltype(globalReference)>>;
    globalReference = new Window();
    globalReference->formCreate();
    globalReference->refreshBindings();
    return globalReference;
}

struct Entry {
    const char* className;
    tk::Form* (*create)(); // null while the window is not built
};

// Every window of the program in the order of creation, the main window
// first. A window without a creation function is not part of this build.
constexpr Entry entries[] = {
    {"TFormHaupt", create<FormHaupt>},
    {"TFormHaerte", nullptr},
    {"TFormBrinell", create<FormBrinell>},
    {"TFormRockwell", nullptr},
    {"TFormVickers", create<FormVickers>},
    {"TFormZugma", nullptr},
    {"TFormZug", create<FormZug>},
    {"TFormKerbHa", create<FormKerbHa>},
    {"TFormAvT", nullptr},
    {"TFormBildH", nullptr},
    {"TFormBildM", nullptr},
    {"TFormBildT", nullptr},
    {"TFormHB", create<FormHB>},
    {"TFormHV", create<FormHV>},
    {"TFormZugAnniHoch", nullptr},
    {"TFormBildAus", nullptr},
    {"TFormInfo", create<FormInfo>},
    {"TFormHVA223", nullptr},
    {"TFormHVA223Koerper", nullptr},
    {"TFormHVA223Kraft", nullptr},
    {"TFormHVA223Lese", nullptr},
    {"TFormMPUeber", create<FormMPUeber>},
    {"TFormZugD108", nullptr},
    {"TFormHammerD108", nullptr},
    {"TFormHVGraph", create<FormHVGraph>},
    {"TFormDauer1", create<FormDauer1>},
    {"TFormDauer2", create<FormDauer2>},
    {"TFormDauerWBM", create<FormDauerWBM>},
    {"TFormDauerEinfluss", create<FormDauerEinfluss>},
    {"TFormDauer3", create<FormDauer3>},
    {"TFormDauerWoehler", create<FormDauerWoehler>},
    {"TFormDauerBild", nullptr},
    {"TFormDauerTExt", create<FormDauerTExt>},
    {"TFormDauer4", create<FormDauer4>},
};

QList<tk::Form*>& created()
{
    static QList<tk::Form*> c;
    return c;
}

}

const QStringList& windowOrder()
{
    static const QStringList order = [] {
        QStringList names;
        for (const Entry& e : entries)
            names << QString::fromLatin1(e.className);
        return names;
    }();
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
    for (const Entry& e : entries)
        if (e.create)
            created().append(e.create());
}

const QList<tk::Form*>& windows() { return created(); }

tk::Form* findWindow(const QString& className)
{
    for (tk::Form* form : created())
        if (form->className() == className)
            return form;
    return nullptr;
}

bool isBuilt(const QString& className)
{
    for (const Entry& e : entries)
        if (className == QLatin1String(e.className))
            return e.create != nullptr;
    return false;
}

QStringList createdWindows()
{
    QStringList names;
    for (const tk::Form* form : created())
        names << form->className();
    return names;
}

void startProgram()
{
    createWindows();
    FormHaupt->show();
}

}
