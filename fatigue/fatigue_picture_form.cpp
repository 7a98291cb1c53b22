#include "fatigue_picture_form.h"

#include "resources/pictures.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

TFormDauerBild* FormDauerBild = nullptr;

namespace {
constexpr int pictureHeight = 480;
}

TFormDauerBild::TFormDauerBild()
    : tk::PictureForm(QStringLiteral("TFormDauerBild"),
                      //: Window title
                      tr("Dauerbruch: Austenitischer Chrom-Nickel Stahl"),
                      pictures::fatigueFracture(), QStringLiteral("ImageBild"),
                      CloseMenu{QStringLiteral("Ende1"), QStringLiteral("ESC1")})
{
    setBorder(Border::SizeableToolWindow);
    setColor(Qt::black);
    setClosesOnClick(false);
    // The window's own canvas lies under the picture and the status bar.
    m_canvas = new tk::PaintBox(client(), QStringLiteral("FormCanvas"), 0, 0, 1, 1);
    m_canvas->describe(tr("Bildunterschrift"),
                       tr("Dauerbruch: Austenitischer Chrom-Nickel Stahl, Maßstab 20 µm"));
    m_canvas->setOnPaint([this] { FormPaint(); });
    m_canvas->lower();
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));
    clientResized();
}

void TFormDauerBild::formCreate()
{
    setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    clientResized();
}

void TFormDauerBild::clientResized()
{
    if (!m_canvas)
        return;
    // The picture keeps the top edge and the client's width; what lies below
    // 480 pixels or beyond the width is not shown.
    picture()->setGeometry(0, 0, clientWidth(), pictureHeight);
    m_canvas->setBounds(0, 0, clientWidth(), clientHeight());
}

QImage TFormDauerBild::copiedPicture()
{
    return client()->grab(QRect(0, 0, clientWidth(), clientHeight() - statusBar()->height())).toImage();
}

void TFormDauerBild::FormPaint()
{
    tk::Canvas& c = m_canvas->canvas();
    c.setFontHeight(24);
    c.setFontColor(Qt::white);
    c.setFontName(QStringLiteral("Ms Sans Serif"));
    c.setPenColor(Qt::white);
    c.setPenWidth(3);
    //: Caption written in white on the photograph, room for about 40 characters before the scale bar
    c.textOut(10, 490, tr("Dauerbruch: Austenitischer Chrom-Nickel Stahl"));
    c.line(530, 500, 670, 500);
    c.line(530, 495, 530, 505);
    c.line(670, 495, 670, 505);
    // "20 µm": the number and a blank, then the mu of the symbol font and
    // the m, each right after the one before, so the unit reads as one word
    // whatever the font's widths.
    c.textOut(690, 485, QStringLiteral("20 "));
    c.setFontName(QStringLiteral("Symbol"));
    c.textOut(c.penPos().x(), 485, QStringLiteral("m"));
    c.setFontName(QStringLiteral("Ms Sans Serif"));
    c.textOut(c.penPos().x(), 485, QStringLiteral("m"));
}
