#include "registry.h"

#include "command_line.h"

#include "title_form.h"
#include "hub_form.h"
#include "info_form.h"

#include "fatigue/bending_machine_form.h"
#include "fatigue/influence_factors_form.h"
#include "fatigue/introduction_form.h"
#include "fatigue/load_range_form.h"
#include "fatigue/woehler_influence_form.h"
#include "fatigue/fatigue_picture_form.h"
#include "fatigue/woehler_recording_form.h"
#include "hardness/brinell_form.h"
#include "hardness/tester_schematic_form.h"
#include "hardness/brinell_calculator_form.h"
#include "hardness/vickers_calculator_form.h"
#include "hardness/hardness_chart_form.h"
#include "hardness/rockwell_form.h"
#include "hardness/vickers_device_forms.h"
#include "hardness/vickers_form.h"
#include "impact/energy_temperature_form.h"
#include "impact/pendulum_form.h"
#include "impact/photograph_forms.h"
#include "tensile/standard_specimen_form.h"
#include "tensile/stress_strain_form.h"
#include "tensile/tensile_machine_form.h"

#include "evaluation_windows/evaluation_part.h"
#include "resources/pictures.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/program_style.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <string_view>
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
    {"TFormHaerte", create<FormHaerte>},
    {"TFormBrinell", create<FormBrinell>},
    {"TFormRockwell", create<FormRockwell>},
    {"TFormVickers", create<FormVickers>},
    {"TFormZugma", create<FormZugma>},
    {"TFormZug", create<FormZug>},
    {"TFormKerbHa", create<FormKerbHa>},
    {"TFormAvT", create<FormAvT>},
    {"TFormBildH", create<FormBildH>},
    {"TFormBildM", create<FormBildM>},
    {"TFormBildT", create<FormBildT>},
    {"TFormHB", create<FormHB>},
    {"TFormHV", create<FormHV>},
    {"TFormZugAnniHoch", create<FormZugAnniHoch>},
    {"TFormBildAus", create<FormBildAus>},
    {"TFormInfo", create<FormInfo>},
    {"TFormHVA223", create<FormHVA223>},
    {"TFormHVA223Koerper", create<FormHVA223Koerper>},
    {"TFormHVA223Kraft", create<FormHVA223Kraft>},
    {"TFormHVA223Lese", create<FormHVA223Lese>},
    {"TFormMPUeber", create<FormMPUeber>},
    {"TFormZugD108", create<FormZugD108>},
    {"TFormHammerD108", create<FormHammerD108>},
    {"TFormHVGraph", create<FormHVGraph>},
    {"TFormDauer1", create<FormDauer1>},
    {"TFormDauer2", create<FormDauer2>},
    {"TFormDauerWBM", create<FormDauerWBM>},
    {"TFormDauerEinfluss", create<FormDauerEinfluss>},
    {"TFormDauer3", create<FormDauer3>},
    {"TFormDauerWoehler", create<FormDauerWoehler>},
    {"TFormDauerBild", create<FormDauerBild>},
    {"TFormDauerTExt", create<FormDauerTExt>},
    {"TFormDauer4", create<FormDauer4>},
};

static_assert(std::string_view(entries[0].className) == "TFormHaupt", "the main window is created first");

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

namespace {

void setProgramIcon()
{
    // Every window shows the program's icon.
    QIcon icon;
    for (const QString& file : pictures::applicationIcon())
        icon.addPixmap(tk::readPng(file));
    QApplication::setWindowIcon(icon);
}

// Creates the windows not created yet, in the order of creation.
void createRemaining()
{
    const std::size_t done = std::size_t(created().size());
    std::size_t built = 0;
    for (const Entry& e : entries) {
        if (!e.create)
            continue;
        if (built++ >= done)
            created().append(e.create());
    }
}

// At start-up only the title window is created before it is shown; the other
// windows follow right after its first paint has reached the screen (two
// turns of the event loop later), and in any case before the first key or
// mouse button is handled, so no input can find a window missing.
class RestAfterFirstPaint : public QObject {
public:
    RestAfterFirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
            finish();
            break;
        case QEvent::Paint:
            if (watched == FormHaupt && !m_scheduled) {
                m_scheduled = true;
                QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { finish(); }); });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        setProgramIcon();
        createRemaining();
        // The hub is the window opened first: its native window is made now,
        // before any input is handled, so that opening it only maps it. (Its
        // backing store still comes with its first painting.)
        FormMPUeber->createWinId();
        // Evaluation work an earlier session left unsaved is offered back;
        // only then is the evaluation loaded at start.
        if (evaluation::windows::recoveryFilesPresent())
            if (const auto* part = evaluationPartOrReport(FormHaupt, FormHaupt->windowTitle()))
                part->offerRecovery(FormHaupt);
        deleteLater();
    }

    bool m_scheduled = false;
};

}

QString evaluationFailureText(const QString& failure)
{
    //: Where the evaluation's library cannot be loaded (a damaged installation); %1 says why
    return QCoreApplication::translate("app::Program", "Die Auswertung ist nicht möglich: %1").arg(failure);
}

const evaluation::windows::EvaluationPart* evaluationPartOrReport(QWidget* parent, const QString& title)
{
    QString failure;
    if (const auto* part = evaluation::windows::evaluationPart(&failure))
        return part;
    tk::showWarning(parent, QStringLiteral("AuswertungFehler"), title, evaluationFailureText(failure));
    return nullptr;
}

void createWindows()
{
    if (created().isEmpty())
        setProgramIcon();
    createRemaining();
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

void prepareApplication(const QString& languageCode)
{
    // The windows, and Qt's own dialogs with them, take their texts in the
    // interface language as they are created.
    applyLanguage(languageCode);
    // Menu bars are made without loading every image-format plugin.
    tk::useProgramStyle();
    // The name the error box and the desktop show.
    //: The program's name: caption of the error box
    QApplication::setApplicationName(QCoreApplication::translate("app::Program", "Mechanische Werkstoffprüfung"));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.werkstoffpruefung.werkstoffpruefung"));
}

void startProgram()
{
    if (!created().isEmpty())
        return;
    // The icon is read once the title window has painted; it reaches the
    // title window then too.
    created().append(entries[0].create());
    FormHaupt->show();
    new RestAfterFirstPaint;
}

}
