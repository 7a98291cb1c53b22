#include "woehler_recording_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace fatigue {

namespace {

// The diagram of this window: a frame reaching five pixels beyond the last
// grid line, the axis title close under the top, the exponents to the right
// of their "10".
constexpr WoehlerGridLayout diagramLayout{755, 15, 65};

struct StressLabel {
    int y;
    const char* text;
};
constexpr StressLabel stressLabels[] = {{440, " 60"}, {390, " 80"}, {340, "100"}, {290, "120"}, {240, "140"},
                                        {190, "160"}, {140, "180"}, {90, "200"},  {40, "220"}};

}

float oscillationDeflection(int amplitude, int phaseStep, int counter)
{
    constexpr long double pi = 3.141592653589793238462643383279502884L;
    const long double angle = static_cast<long double>(phaseStep * counter) * pi / 180.0L;
    return tk::toSingle(-amplitude * std::sin(angle));
}

WoehlerRecordingScene::WoehlerRecordingScene() { reset(); }

int WoehlerRecordingScene::fontHeight(int height) const
{
    return int(tk::roundHalfEven(height * m_base.horizontal));
}

void WoehlerRecordingScene::paintPanel(tk::Canvas& c, QSize size)
{
    const ScaleFactors& s = m_base;
    c.setPenColor(tk::colours::grey);
    c.setBrushColor(tk::colours::lightGrey);
    c.rectangle(0, 0, size.width(), size.height());

    c.setPenWidth(3);
    c.setBrushColor(Qt::white);
    c.rectangle(s.x(30), s.y(50), s.x(220), s.y(450));
    c.setPenWidth(1);
    for (int y : {100, 150, 200, 300, 350, 400})
        c.line(s.x(30), s.y(y), s.x(220), s.y(y));
    for (int x : {80, 130, 180})
        c.line(s.x(x), s.y(50), s.x(x), s.y(450));

    // The silver ground of the padded title forms the title band.
    c.setFontHeight(fontHeight(24));
    c.setFontColor(Qt::black);
    c.setBrushColor(tk::colours::silver);
    // Blanks after the title carry the band on: 19 after the German one, as
    // many after a translation as make a band at least as wide.
    const QString germanTitle =
        QStringLiteral(" Aufnahme einer Wöhlerlinie: Weichgeglühte und kugelgestrahlte Aluminiumprobe") +
        QString(19, QChar(' '));
    //: Title band of the recording window, about 80 characters
    QString title = QCoreApplication::translate("fatigue::WoehlerRecordingScene", " Aufnahme einer Wöhlerlinie: Weichgeglühte und "
                                                        "kugelgestrahlte Aluminiumprobe") +
                    QString(19, QChar(' '));
    while (c.textWidth(title) < c.textWidth(germanTitle))
        title += QChar(' ');
    c.textOut(s.x(1), s.y(3), title);

    c.setFontHeight(fontHeight(18));
    c.setBrushStyle(tk::BrushStyle::Clear);
    //: Title of the positive stress axis above the oscillation diagram, about 30 characters
    c.textOut(s.x(14), s.y(29), QCoreApplication::translate("fatigue::WoehlerRecordingScene", " + Spannungsamplitude in N/qmm"));
    //: Title of the negative stress axis below the oscillation diagram, about 30 characters
    c.textOut(s.x(14), s.y(455), QCoreApplication::translate("fatigue::WoehlerRecordingScene", " - Spannungsamplitude in N/qmm "));
    c.textOut(s.x(3), s.y(50), QStringLiteral("400"));
    c.textOut(s.x(3), s.y(440), QStringLiteral("-400"));
    c.textOut(s.x(3), s.y(140), QStringLiteral("200"));
    c.textOut(s.x(3), s.y(340), QStringLiteral("-200"));
    //: Title of the time axis at the right end of the oscillation diagram, about 4 characters
    c.textOut(s.x(190), s.y(230), QCoreApplication::translate("fatigue::WoehlerRecordingScene", "Zeit"));
    c.textOut(s.x(10), s.y(240), QStringLiteral(" 0 "));

    c.setFontHeight(fontHeight(24));
    c.setPenWidth(3);
    c.rectangle(0, 0, size.width(), s.y(27));
    c.line(s.x(30), s.y(50), s.x(30), s.y(450));
    c.line(s.x(30), s.y(250), s.x(220), s.y(250));
    c.polygon({{s.x(197), s.y(247)}, {s.x(197), s.y(253)}, {s.x(215), s.y(250)}, {s.x(197), s.y(247)}});
}

void WoehlerRecordingScene::paintDiagram(tk::Canvas& c, QSize panelSize)
{
    const ScaleFactors& s = m_diagram;
    c.setFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));
    drawWoehlerAxes(c, panelSize, diagramLayout, s, m_base.horizontal);
    for (const StressLabel& label : stressLabels)
        c.textOut(s.x(15), s.y(label.y), QString::fromLatin1(label.text));
    drawWoehlerGridLines(c, s);

    for (std::size_t i = 0; i < loadSeries().size(); ++i)
        if (m_seriesDone[i])
            drawFracturePoints(c, loadSeries()[i]);
    for (std::size_t i = 0; i < probabilityLines().size(); ++i)
        if (m_probabilityShown[i])
            drawProbabilityLine(c, probabilityLines()[i]);
}

void WoehlerRecordingScene::updateDiagramFactors()
{
    m_diagram = m_fullScreen ? ScaleFactors{m_base.horizontal * 1.0, m_base.vertical * 1.0}
                             : ScaleFactors{m_base.horizontal * 0.67, m_base.vertical * 0.85};
}

void WoehlerRecordingScene::drawFracturePoints(tk::Canvas& c, const LoadSeries& series) const
{
    const ScaleFactors& s = m_diagram;
    c.setBrushColor(treatmentColour(series.treatment));
    for (int x : series.fractureX)
        c.ellipse(s.x(x - 4), s.y(series.row - 4), s.x(x + 4), s.y(series.row + 4));
}

void WoehlerRecordingScene::drawProbabilityLine(tk::Canvas& c, const ProbabilityLine& line) const
{
    const ScaleFactors& s = m_diagram;
    const QColor colour = treatmentColour(line.treatment);
    const std::array<int, 5>& rows = probabilityRows(line.treatment);
    // The pen width stays 2 in both views, so the lines are as bold in the
    // reduced diagram as in the full-screen one.
    c.setPenWidth(2);
    c.setPenColor(colour);
    c.setBrushColor(colour);
    for (std::size_t i = 0; i < rows.size(); ++i)
        c.ellipse(s.x(line.circleX[i] - 4), s.y(rows[i] - 4), s.x(line.circleX[i] + 4), s.y(rows[i] + 4));
    c.moveTo(s.x(line.vertexX[0]), s.y(rows[0]));
    for (std::size_t i = 1; i < rows.size(); ++i)
        c.lineTo(s.x(line.vertexX[i]), s.y(rows[i]));

    c.setFontColor(Qt::white);
    c.setFontHeight(fontHeight(12));
    //: Small label on a line of equal fracture probability; %1 is the probability in per cent
    c.textOut(s.x(line.label.x()), s.y(line.label.y()),
              QCoreApplication::translate("fatigue::WoehlerRecordingScene", " P = %1% ").arg(line.percent));
    c.setFontHeight(fontHeight(20));
    if (line.treatment == Treatment::SoftAnnealed)
        //: Label of the soft-annealed lines, white on their colour, about 24 characters
        c.textOut(s.x(90), s.y(250), QCoreApplication::translate("fatigue::WoehlerRecordingScene", " AlMg4,5Mn weichgeglüht "));
    else
        //: Label of the shot-peened lines, white on their colour, about 24 characters
        c.textOut(s.x(440), s.y(100), QCoreApplication::translate("fatigue::WoehlerRecordingScene", " AlMg4,5Mn kugelgestrahlt "));
}

void WoehlerRecordingScene::startSeries(int series)
{
    const LoadSeries& ls = loadSeries()[series];
    m_counter = startCounter;
    m_lastDeflection = 0.0f;
    (ls.treatment == Treatment::SoftAnnealed ? m_softAmplitude : m_shotAmplitude) = ls.pixelAmplitude;
    m_seriesItemEnabled[series] = false;
    m_seriesMenusEnabled = false;
    m_running = true;
    m_lastSeries = series;
}

void WoehlerRecordingScene::oscillate(tk::Canvas& panel, Treatment treatment, int& amplitude)
{
    if (amplitude <= 0)
        return;
    if (m_counter < endCounter) {
        panel.setPenColor(treatmentColour(treatment));
        panel.setPenWidth(int(tk::roundHalfEven(3 * m_base.horizontal)));
        panel.moveTo(m_base.x(m_counter - 40), m_base.y(250 + m_lastDeflection));
        m_lastDeflection = oscillationDeflection(amplitude, m_phaseStep, m_counter);
        m_counter += counterStep;
        panel.lineTo(m_base.x(m_counter - 40), m_base.y(250 + m_lastDeflection));
    }
    if (m_counter >= endCounter) {
        amplitude = 0;
        m_running = false;
        // Every run's end opens the series menus again, also when the
        // full-screen view was entered during the last steps of the tenth
        // series (all their items are spent by then).
        m_seriesMenusEnabled = true;
    }
}

void WoehlerRecordingScene::tick(tk::Canvas& panel, tk::Canvas& diagram)
{
    oscillate(panel, Treatment::SoftAnnealed, m_softAmplitude);
    oscillate(panel, Treatment::ShotPeened, m_shotAmplitude);

    // The points of the running series appear on the four steps that bring
    // the counter to 210 ... 216, shortly before its curve ends; on the final
    // step its amplitude is already cleared.
    if (m_counter >= pointsCounter) {
        for (std::size_t i = 0; i < loadSeries().size(); ++i) {
            const LoadSeries& ls = loadSeries()[i];
            if (amplitude(ls.treatment) == ls.pixelAmplitude) {
                drawFracturePoints(diagram, ls);
                m_seriesDone[i] = true;
            }
        }
    }
    if (allSeriesDone()) {
        m_fullScreenItemEnabled = true;
        m_probabilityMenuEnabled = true;
    }
}

int WoehlerRecordingScene::seriesDoneCount() const
{
    return int(std::count(m_seriesDone.begin(), m_seriesDone.end(), true));
}

bool WoehlerRecordingScene::allSeriesDone() const
{
    return std::all_of(m_seriesDone.begin(), m_seriesDone.end(), [](bool done) { return done; });
}

void WoehlerRecordingScene::enterFullScreen()
{
    m_seriesMenusEnabled = false;
    m_fullScreen = true;
}

void WoehlerRecordingScene::showProbabilityLine(int line)
{
    m_probabilityShown[line] = true;
    m_probabilityItemEnabled[line] = false;
}

void WoehlerRecordingScene::reset()
{
    m_fullScreenItemEnabled = false;
    m_probabilityMenuEnabled = false;
    m_fullScreen = false;
    m_probabilityShown.fill(false);
    m_seriesDone.fill(false);
    m_lastSeries = -1;
    m_seriesMenusEnabled = true;
    m_seriesItemEnabled.fill(true);
    m_probabilityItemEnabled.fill(true);
    m_softAmplitude = 0;
    m_shotAmplitude = 0;
    m_phaseStep = 15;
    m_counter = startCounter;
    m_lastDeflection = 0.0f;
    m_diagram = {0.67, 0.85};
    m_running = false;
}

}
