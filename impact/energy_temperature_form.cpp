#include "energy_temperature_form.h"

#include "impact/pendulum_form.h"
#include "impact/photograph_forms.h"
#include "toolkit/fonts.h"
#include "toolkit/paintbox.h"

#include <QAction>
#include <QLabel>

TFormAvT* FormAvT = nullptr;

tk::Form* impact::fracturePictureWindow(FracturePicture which)
{
    switch (which) {
    case FracturePicture::Tough: return FormBildH;
    case FracturePicture::Mixed: return FormBildM;
    case FracturePicture::Brittle: return FormBildT;
    case FracturePicture::Austenitic: return FormBildAus;
    }
    return nullptr;
}

TFormAvT::TFormAvT()
    : tk::Form(QStringLiteral("TFormAvT"),
               //: Window title
               tr("Kerbschlagarbeit-Temperatur-Kurve: ISO-V-Probe"))
{
    // A tool window without title-bar buttons: "&Ende" and Escape close it.
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setColor(Qt::white);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item that shows the four photographs of fracture surfaces; access key after &
    m_allPictures = addMenuItem(tr("&Charakteristische Bruchflächen"),
                                QStringLiteral("CharakteristischeBruchflchen1"),
                                [this] { CharakteristischeBruchflchen1Click(); });

    // The keys 1 to 4 show what a click on each region shows, so the
    // photographs can be reached without a mouse.
    int key = 0;
    for (impact::FracturePicture which : impact::allFracturePictures) {
        auto* show = new QAction(this);
        show->setObjectName(QStringLiteral("Bruchflaeche%1").arg(++key));
        show->setShortcut(QKeySequence(Qt::Key_0 + key));
        show->setShortcutContext(Qt::WindowShortcut);
        connect(show, &QAction::triggered, this, [this, which] { runHandler([this, which] { showPicture(which); }); });
        addAction(show);
    }

    // The diagram fills the client area; the status bar lies over its foot.
    m_diagram = new tk::PaintBox(client(), QStringLiteral("PaintBoxAvTxy"), 0, 0, 544, 419);
    m_diagram->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_diagram->describe(tr("Kerbschlagarbeit-Temperatur-Kurve"),
                        tr("Kerbschlagarbeit über der Temperatur für kubisch-raumzentrierten und "
                           "kubisch-flächenzentrierten Stahl, mit Hochlage, Übergang und Tieflage; "
                           "die Tasten 1 bis 4 zeigen die Bruchflächen: zäh, Mischbruch, spröde, "
                           "austenitisch"));
    m_diagram->setOnPaint([this] { FormPaint(); });
    m_diagram->setOnMouseDown([this](Qt::MouseButton button, QPoint p) { PaintBoxAvTxyMouseDown(button, p); });

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));
    statusBar()->setFont(tk::qtFont(tk::Font::character(QStringLiteral("MS Sans Serif"), 15)));

    bindEnabled(m_allPictures, [] {
        for (impact::FracturePicture which : impact::allFracturePictures)
            if (impact::fracturePictureWindow(which))
                return true;
        return false;
    });
}

void TFormAvT::formCreate()
{
    FormAvT->setBounds(10, 50, 550, 460);
    FormAvT->m_diagram->setBounds(0, 0, FormAvT->clientWidth(), FormAvT->clientHeight());
}

void TFormAvT::FormPaint() { impact::paintEnergyTemperatureDiagram(m_diagram->canvas()); }

void TFormAvT::PaintBoxAvTxyMouseDown(Qt::MouseButton, QPoint position)
{
    for (impact::FracturePicture which : impact::fracturePicturesAt(position))
        showPicture(which);
}

void TFormAvT::CharakteristischeBruchflchen1Click()
{
    for (impact::FracturePicture which : impact::allFracturePictures)
        showPicture(which);
}

void TFormAvT::showPicture(impact::FracturePicture which)
{
    // Beside this window, which stays usable.
    if (tk::Form* picture = impact::fracturePictureWindow(which))
        picture->showBeside(this);
}

void TFormAvT::EndeClick() { close(); }

void TFormAvT::ESCClick() { close(); }

void TFormAvT::formClose()
{
    if (FormKerbHa)
        FormKerbHa->readyForNextSwing();
    for (impact::FracturePicture which : impact::allFracturePictures)
        if (tk::Form* picture = impact::fracturePictureWindow(which))
            picture->close();
}
