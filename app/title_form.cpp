#include "title_form.h"

#include "hub_form.h"
#include "info_form.h"
#include "registry.h"
#include "resources/pictures.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/language.h"
#include "toolkit/screen.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

TFormHaupt* FormHaupt = nullptr;

namespace {
const int statusBarHeight = 19;
}

//: The program's name: caption of the title window
TFormHaupt::TFormHaupt() : tk::Form(QStringLiteral("TFormHaupt"), tr("Mechanische Werkstoffprüfung"))
{
    setAttribute(Qt::WA_QuitOnClose, true);
    setTakesChosenColour(true);
    setColor(tk::colours::teal);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu of the title window; access key after &
    QMenu* datei = addMenu(tr("&Datei"), QStringLiteral("Datei"));
    //: File menu: chooses the background colour of the windows
    addMenuItem(tr("Hintergrundfarbe"), QStringLiteral("Hintergrundfarbe1"),
                [this] { Hintergrundfarbe1Click(); }, datei);
    //: File menu: ends the program; access key after &
    addMenuItem(tr("&Beenden"), QStringLiteral("Beenden"), [this] { BeendenClick(); }, datei);
    //: Menu item of the title window's file menu, in both languages on purpose (a reader of either finds it)
    addMenuItem(tr("Sprache / Language …"), QStringLiteral("Sprache"), [this] { SpracheClick(); }, datei);
    //: Menu bar of the title window: opens the overview of the topics; access key after &
    addMenuItem(tr("&Einleitung "), QStringLiteral("bersicht1"), [this] { bersicht1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    //: Menu bar of the title window: opens the information window; access key after &
    addMenuItem(tr("&Information"), QStringLiteral("Information1"), [this] { Information1Click(); });

    m_image = new tk::Picture(client(), QStringLiteral("Image1"), pictures::titleFracture());

    m_panel = new tk::Panel(client(), QStringLiteral("Panel1"), 0, 0, 700, 350, tk::colours::panelGreen);
    tk::Font title = tk::Font::character(QStringLiteral("Arial"), 32, true);
    //: The program's name as the title window's heading: one line of 600 pixels in 32-point Arial
    m_label1 = tk::makeLabel(m_panel, QStringLiteral("Label1"), 50, 90, tr("Mechanische Werkstoffprüfung"),
                             title, 600, 67, Qt::AlignHCenter | Qt::AlignTop);
    title.height = -31;
    m_label2 = tk::makeLabel(m_panel, QStringLiteral("Label2"), 50, 180,
                             //: Subheading of the title window: one line of 600 pixels in 31-point Arial
                             tr("Eine Auswahl von  Prüfverfahren "), title, 600, 67,
                             Qt::AlignHCenter | Qt::AlignTop);

    //: Status bar: the Escape key closes the window
    setStatusText(tr("ESC = Abbruch"));
}

void TFormHaupt::formCreate()
{
    const QSize screen = tk::screenSize();
    const int width = screen.width();
    const int height = screen.height();
    FormHaupt->setBounds(tk::idiv(screen.width() - width, 2), tk::idiv(screen.height() - height, 2), width, height);

    // The picture fills the client area above the status bar, at its natural
    // size from the top-left corner, clipped.
    FormHaupt->m_image->setGeometry(0, 0, clientWidth(), clientHeight() - statusBarHeight);
    // This window is shown as soon as all windows exist. The build decoded
    // its picture (resources/decoded_pictures.h); should that be missing, it
    // is decoded on the second core while the windows are being created.
    FormHaupt->m_image->prefetch();

    FormHaupt->m_panel->setGeometry(tk::idiv(screen.width() - 700, 2), tk::idiv(screen.height() - 350 - 100, 2),
                                    700, 350);
    FormHaupt->m_label1->setGeometry(tk::idiv(m_panel->width() - 600, 2), 90, 600, 67);
    FormHaupt->m_label2->setGeometry(50, 180, 600, 67);
}

void TFormHaupt::Hintergrundfarbe1Click()
{
    if (!m_colorDialog) {
        m_colorDialog = new QColorDialog(this);
        m_colorDialog->setObjectName(QStringLiteral("ColorDialog1"));
        connect(m_colorDialog, &QColorDialog::colorSelected, this, [this](const QColor& c) {
            m_lastColour = c;
            applyBackgroundColour(c);
        });
    }
    m_colorDialog->setCurrentColor(m_lastColour);
    m_colorDialog->open();
}

// The choice is stored and read at the next start: the windows take their
// texts as they are created, so nothing is redrawn in the other language
// while the program runs.
void TFormHaupt::SpracheClick()
{
    if (!m_languageDialog) {
        m_languageDialog = new QDialog(this);
        m_languageDialog->setObjectName(QStringLiteral("SprachDialog"));
        //: Caption of the language dialog, in both languages on purpose
        m_languageDialog->setWindowTitle(tr("Sprache / Language"));
        auto* layout = new QVBoxLayout(m_languageDialog);
        // Each language under its own name.
        m_german = new QRadioButton(QStringLiteral("&Deutsch"), m_languageDialog);
        m_german->setObjectName(QStringLiteral("Deutsch"));
        m_english = new QRadioButton(QStringLiteral("&English"), m_languageDialog);
        m_english->setObjectName(QStringLiteral("English"));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, m_languageDialog);
        layout->addWidget(m_german);
        layout->addWidget(m_english);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, m_languageDialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, m_languageDialog, &QDialog::reject);
        connect(m_languageDialog, &QDialog::accepted, this, [this] {
            const tk::Language chosen = m_english->isChecked() ? tk::Language::English : tk::Language::German;
            tk::storeLanguage(chosen);
            if (!m_languageNote) {
                m_languageNote = new QMessageBox(QMessageBox::Information, tr("Sprache / Language"), QString(),
                                                 QMessageBox::Ok, this);
                m_languageNote->setObjectName(QStringLiteral("SprachHinweis"));
            }
            //: Note after the language was chosen: German and English on purpose, the reader may know only one
            m_languageNote->setText(tr("Die gewählte Sprache gilt ab dem nächsten Start des Programms.\n"
                                       "The language chosen applies from the next start of the program."));
            m_languageNote->open();
        });
    }
    const QString stored = tk::storedLanguageCode();
    const tk::Language current = tk::languageOfCode(stored).value_or(tk::interfaceLanguage());
    (current == tk::Language::English ? m_english : m_german)->setChecked(true);
    m_languageDialog->open();
}

void TFormHaupt::applyBackgroundColour(const QColor& colour)
{
    // Each window decides what the colour means to it.
    for (tk::Form* form : app::windows())
        form->chosenBackgroundColour(colour);
}

void TFormHaupt::BeendenClick() { close(); }

void TFormHaupt::ESC1Click() { close(); }

void TFormHaupt::bersicht1Click() { FormMPUeber->showModal(); }

void TFormHaupt::Information1Click() { FormInfo->showModal(); }

// Closing the title window ends the program whatever state the others are
// in. Not by quit(): that first asks every window to close, and one that
// refuses while its run animates would keep the program running with no
// window to end it from. Outside a running event loop there is nothing to end.
void TFormHaupt::formClose()
{
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
