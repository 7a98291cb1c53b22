#include "specimen_table_model.h"

#include "toolkit/colours.h"

#include <QBrush>
#include <QLocale>
#include <cmath>

namespace evaluation::windows {

std::optional<double> parseTypedNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

SpecimenTableModel::SpecimenTableModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

int SpecimenTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + 1;
}

int SpecimenTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString SpecimenTableModel::formatted(int column, double value, bool forEditing) const
{
    const QLocale locale;
    if (m_columns[column].kind == Kind::Count && value == std::floor(value) && std::abs(value) < 1e15) {
        if (forEditing)
            return QString::number(qint64(value));
        return locale.toString(qint64(value));
    }
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

QVariant SpecimenTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    const int r = index.row(), c = index.column();
    const bool typed = r < int(m_rows.size());
    std::optional<double> value;
    if (typed)
        value = m_rows[r][c];
    const Column& column = m_columns[c];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column.kind == Kind::Flag || !value)
            return QString();
        return formatted(c, *value, role == Qt::EditRole);
    case Qt::CheckStateRole:
        if (column.kind != Kind::Flag)
            return {};
        return value.value_or(0) != 0 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        if (typed && !rowProblem(r).isEmpty())
            return QBrush(tk::colours::lightRed);
        return {};
    case Qt::ToolTipRole:
        if (typed)
            if (const QString problem = rowProblem(r); !problem.isEmpty())
                return problem;
        return {};
    default:
        return {};
    }
}

QVariant SpecimenTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < columnCount()) {
        // The title on one line, for a spreadsheet and the report.
        if (role == Qt::UserRole)
            return QString(m_columns[section].title).replace(QStringLiteral("-\n"), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return role == Qt::DisplayRole ? QVariant(m_columns[section].title) : QVariant();
    }
    if (role != Qt::DisplayRole || orientation == Qt::Horizontal)
        return {};
    //: The empty row at the end of a table of results, where the next specimen is typed.
    return section < int(m_rows.size()) ? QVariant(section + 1) : QVariant(tr("neu"));
}

Qt::ItemFlags SpecimenTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_columns[index.column()].kind == Kind::Flag ? base | Qt::ItemIsUserCheckable : base | Qt::ItemIsEditable;
}

std::optional<double> SpecimenTableModel::parseCell(int column, const QString& text, QString& problem) const
{
    const std::optional<double> v = parseTypedNumber(text);
    if (!v && !text.trimmed().isEmpty())
        //: %1 is the text typed into a cell of the table, %2 the column's title.
        problem = tr("„%1“ ist keine Zahl (Spalte „%2“).")
                      .arg(text.trimmed(), headerData(column, Qt::Horizontal, Qt::UserRole).toString());
    return v;
}

bool SpecimenTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() >= columnCount() || index.row() > int(m_rows.size()))
        return false;
    const int r = index.row(), c = index.column();
    std::optional<double> v;
    if (m_columns[c].kind == Kind::Flag) {
        if (role != Qt::CheckStateRole)
            return false;
        v = value.value<Qt::CheckState>() == Qt::Checked ? 1.0 : 0.0;
    } else {
        if (role != Qt::EditRole)
            return false;
        QString problem;
        v = parseCell(c, value.toString(), problem);
        if (!problem.isEmpty()) {
            emit inputRefused(problem);
            return false;
        }
    }
    Row row = r < int(m_rows.size()) ? m_rows[r] : Row(m_columns.size());
    if (row[c] == v)
        return true;
    row[c] = v;
    if (const QString problem = valueProblem(row); !problem.isEmpty()) {
        emit inputRefused(problem);
        return false;
    }
    if (r == int(m_rows.size())) {
        if (isEmpty(row))
            return true;
        // The typed row becomes a specimen; a new empty row follows it.
        beginInsertRows({}, r + 1, r + 1);
        m_rows.push_back(std::move(row));
        endInsertRows();
        emit headerDataChanged(Qt::Vertical, r, r + 1);
    } else {
        m_rows[r] = std::move(row);
    }
    // The whole row: its mark for a missing value may change with any cell.
    emit dataChanged(this->index(r, 0), this->index(r, columnCount() - 1));
    return true;
}

bool SpecimenTableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0)
        return false;
    // The empty row at the end stays.
    const int last = std::min(row + count, int(m_rows.size())) - 1;
    if (last < row)
        return false;
    beginRemoveRows({}, row, last);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + last + 1);
    endRemoveRows();
    return true;
}

bool SpecimenTableModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > int(m_rows.size()) || count <= 0)
        return false;
    beginInsertRows({}, row, row + count - 1);
    m_rows.insert(m_rows.begin() + row, size_t(count), Row(m_columns.size()));
    endInsertRows();
    return true;
}

bool SpecimenTableModel::isEmpty(const Row& row) const
{
    for (size_t c = 0; c < row.size(); ++c)
        if (row[c] && !(m_columns[c].kind == Kind::Flag && *row[c] == 0))
            return false;
    return true;
}

QString SpecimenTableModel::rowProblem(int row) const
{
    const Row& values = m_rows.at(row);
    if (isEmpty(values))
        return {};
    QStringList missing;
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].required && !values[c])
            missing << m_columns[c].name;
    if (missing.isEmpty())
        return {};
    //: %1 is the row's number, %2 what is missing in it ("die Prüftemperatur").
    return tr("Zeile %1: %2 fehlt; die Probe bleibt unberücksichtigt.")
        .arg(row + 1)
        .arg(missing.join(tr(" und ")));
}

QStringList SpecimenTableModel::rowProblems() const
{
    QStringList problems;
    for (int r = 0; r < int(m_rows.size()); ++r)
        if (const QString p = rowProblem(r); !p.isEmpty())
            problems << p;
    return problems;
}

std::vector<const SpecimenTableModel::Row*> SpecimenTableModel::completeRows() const
{
    std::vector<const Row*> complete;
    for (int r = 0; r < int(m_rows.size()); ++r)
        if (!isEmpty(m_rows[r]) && rowProblem(r).isEmpty())
            complete.push_back(&m_rows[r]);
    return complete;
}

void SpecimenTableModel::resetRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void SpecimenTableModel::setColumnTitle(int column, const QString& title)
{
    m_columns.at(column).title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString SpecimenTableModel::paste(int row, int column, const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    std::vector<Row> rows = m_rows;
    for (int i = 0; i < lines.size(); ++i) {
        const int r = row + i;
        if (r >= int(rows.size()))
            rows.resize(r + 1, Row(m_columns.size()));
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size() && column + j < columnCount(); ++j) {
            const int c = column + j;
            QString cell = cells[j];
            cell.remove(QLatin1Char('\r'));
            QString problem;
            std::optional<double> v = parseCell(c, cell, problem);
            if (!problem.isEmpty())
                //: %1 is the row's number, %2 why the pasted value was refused.
                return tr("Zeile %1: %2").arg(r + 1).arg(problem);
            if (m_columns[c].kind == Kind::Flag)
                v = v.value_or(0) != 0 ? 1.0 : 0.0;
            rows[r][c] = v;
        }
        if (const QString problem = valueProblem(rows[r]); !problem.isEmpty())
            return tr("Zeile %1: %2").arg(r + 1).arg(problem);
    }
    resetRows(std::move(rows));
    return {};
}

QString SpecimenTableModel::copyText() const
{
    QStringList lines;
    QStringList header;
    for (int c = 0; c < columnCount(); ++c)
        header << headerData(c, Qt::Horizontal, Qt::UserRole).toString();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c) {
            const auto& v = m_rows[r][c];
            if (m_columns[c].kind == Kind::Flag)
                cells << (v.value_or(0) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
            else
                cells << (v ? formatted(c, *v, true) : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}
