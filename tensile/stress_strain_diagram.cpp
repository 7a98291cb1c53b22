#include "stress_strain_diagram.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

namespace tensile {

namespace {

long double squared(int value) { return static_cast<long double>(value) * value; }

float nextRow(const RowRule& rule, float row, int column)
{
    if (rule.relative)
        return tk::toSingle(row + rule.a);
    return tk::toSingle(rule.a + rule.b * column + rule.k * squared(column - rule.c));
}

QPoint pointOf(const MarkPoint& p, const tk::CurveCursor& cursor, const tk::PlotFrame& frame)
{
    switch (p.from) {
    case MarkPoint::From::Origin: return frame.origin() + QPoint(p.x, p.y);
    case MarkPoint::From::Cursor: return {cursor.x + p.x, static_cast<int>(tk::roundHalfEven(cursor.y + static_cast<long double>(p.y)))};
    case MarkPoint::From::Box: break;
    }
    return {p.x, p.y};
}

// The texts beside the curves are translated in the curve tables' context; a
// text of several lines has its breaks at \n and its lines 20 pixels apart.
constexpr const char* curveTextContext = "tensile::StressStrainCurves";
constexpr int markLinePitch = 20;

void drawMarks(tk::Canvas& c, const std::vector<CurveMark>& marks, const tk::CurveCursor& cursor,
               const tk::PlotFrame& frame)
{
    for (const CurveMark& m : marks) {
        const QPoint at = pointOf(m.at, cursor, frame);
        if (m.kind == CurveMark::Kind::Text) {
            c.setBrushColor(m.ground);
            c.setFontColor(m.colour);
            c.setFontHeight(m.size);
            const QStringList lines = QCoreApplication::translate(curveTextContext, m.text).split(u'\n');
            for (int i = 0; i < lines.size(); ++i)
                c.textOut(at.x(), at.y() + i * markLinePitch, lines[i]);
        } else {
            const QPoint to = pointOf(m.to, cursor, frame);
            c.setPenColor(m.colour);
            c.setPenWidth(m.size);
            c.line(at.x(), at.y(), to.x(), to.y());
        }
    }
}

}

tk::PlotFrame diagramFrame(QSize box, int left, int bottomMargin)
{
    return tk::PlotFrame::divided(left, 20, box.width() - 10, box.height() - bottomMargin, 11, 8);
}

void paintEmptyDiagram(tk::Canvas& c, const tk::PlotFrame& f, int windowWidth, bool numbered)
{
    tk::drawStripes(c, windowWidth);

    c.setPenColor(tk::colours::almostBlack);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::paleYellow);
    tk::drawPlotGrid(c, {.frame = f, .firstRow = 1, .lastRow = 7, .firstColumn = 0, .lastColumn = 10});

    c.setFontHeight(18);
    c.setFontColor(Qt::black);
    c.textOut(f.left - 30, static_cast<int>(tk::roundHalfEven(f.bottom - 19 - f.dy * 8.07L)),
              //: Axis title above the stress axis, room for about 20 characters
              QCoreApplication::translate("tensile::StressStrainDiagram", "Spannung in N/qmm"));
    if (numbered)
        for (int k = 7; k >= 1; --k)
            c.textOut(f.left - 30, f.bottom - 6 - k * f.dy, QString::number(k * 100));
    //: Axis title below the strain axis, room for about 20 characters
    c.textOut(f.left + 5 * f.dx, f.bottom + 25, QCoreApplication::translate("tensile::StressStrainDiagram", "Dehnung in % "));
    if (numbered) {
        static const char* const strains[] = {" 0", " 5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};
        for (int k = 0; k <= 10; ++k)
            c.textOut(f.left - 7 + k * f.dx, f.bottom + 5, QString::fromLatin1(strains[k]));
    }

    c.setPenStyle(tk::PenStyle::Solid);
}

CurveMark text(MarkPoint at, const char* text, const QColor& colour, const QColor& ground, int height)
{
    return {CurveMark::Kind::Text, at, at, text, colour, ground, height};
}

CurveMark line(MarkPoint from, MarkPoint to, const QColor& colour, int width)
{
    return {CurveMark::Kind::Line, from, to, nullptr, colour, QColor(), width};
}

RowRule rise(long double rows) { return {true, rows, 0, 0, 0}; }

RowRule straight(long double a, long double b) { return {false, a, b, 0, 0}; }

RowRule parabola(long double a, long double k, int c) { return {false, a, 0, k, c}; }

bool growCurve(tk::Canvas& c, tk::CurveCursor& cursor, const tk::PlotFrame& frame, const Curve& curve)
{
    c.setPenMode(tk::PenMode::Copy);
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(3);
    c.setPenColor(curve.colour);
    c.setFontColor(Qt::white);

    for (const CurvePiece& piece : curve.pieces) {
        if (cursor.x < piece.from || cursor.x >= piece.to)
            continue;
        switch (piece.shape) {
        case CurvePiece::Shape::FromOrigin:
            cursor.x += piece.step;
            cursor.y = nextRow(piece.row, cursor.y, cursor.x);
            c.moveTo(frame.left, frame.bottom);
            c.lineTo(cursor.x, cursor.row());
            break;
        case CurvePiece::Shape::Chord: {
            const QPoint from = cursor.pixel();
            cursor.x += piece.step;
            cursor.y = nextRow(piece.row, cursor.y, cursor.x);
            c.line(from.x(), from.y(), cursor.x, cursor.row());
            break;
        }
        case CurvePiece::Shape::Level:
            c.line(cursor.x, cursor.row(), cursor.x + piece.step, cursor.row());
            cursor.x += piece.step;
            cursor.y = nextRow(piece.row, cursor.y, cursor.x);
            break;
        case CurvePiece::Shape::Marks: break;
        case CurvePiece::Shape::End: drawMarks(c, piece.marks, cursor, frame); return true;
        }
        drawMarks(c, piece.marks, cursor, frame);
    }
    return false;
}

}
