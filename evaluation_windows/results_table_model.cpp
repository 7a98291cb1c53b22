#include "results_table_model.h"

#include "evaluation/result_term.h"

#include <QFont>

namespace evaluation::windows {

ResultsTableModel::ResultsTableModel(QString nameTitle, QObject* parent)
    : QAbstractTableModel(parent), m_nameTitle(std::move(nameTitle))
{
}

void ResultsTableModel::setColumns(std::vector<Column> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void ResultsTableModel::setRows(std::vector<Row> rows)
{
    // Same shape: only the contents change, so the view keeps its
    // selection, scroll position and column widths.
    if (rows.size() == m_rows.size()) {
        m_rows = std::move(rows);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

const ResultCell* ResultsTableModel::cell(const QModelIndex& index) const
{
    if (index.column() == 0)
        return nullptr;
    const Row& row = m_rows[size_t(index.row())];
    const size_t column = size_t(index.column() - 1);
    return column < row.cells.size() ? &row.cells[column] : nullptr;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    const Row& row = m_rows[size_t(index.row())];
    if (index.column() == 0) {
        switch (role) {
        case Qt::DisplayRole:
            return row.name;
        case Qt::CheckStateRole:
            if (row.included)
                return *row.included ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::FontRole:
            if (row.summary) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }
    const ResultCell* c = cell(index);
    switch (role) {
    case Qt::DisplayRole:
        if (!c)
            return QString();
        return c->text ? *c->text : notDeterminedMark;
    case Qt::ToolTipRole:
        if (!c)
            return {};
        if (!c->text)
            return c->text.reason();
        return c->note.isEmpty() ? QVariant() : QVariant(c->note);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        if (!row.summary && (!c || c->note.isEmpty()))
            return {};
        QFont font;
        font.setBold(row.summary);
        font.setItalic(c && !c->note.isEmpty());
        return font;
    }
    default:
        return {};
    }
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return section == 0 ? m_nameTitle : m_columns[size_t(section - 1)].title;
    if (role == Qt::ToolTipRole && section > 0)
        return m_columns[size_t(section - 1)].definition;
    return {};
}

Qt::ItemFlags ResultsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0 && m_rows[size_t(index.row())].included)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ResultsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    Row& row = m_rows[size_t(index.row())];
    if (!row.included)
        return false;
    const bool included = value.value<Qt::CheckState>() == Qt::Checked;
    if (included == *row.included)
        return true;
    row.included = included;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit inclusionToggled(index.row(), included);
    return true;
}

QString ResultsTableModel::tabSeparated() const
{
    // A tab or line break inside a cell would shift the cells after it.
    const auto clean = [](QString text) {
        return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    QStringList lines;
    QStringList titles{clean(m_nameTitle)};
    for (const Column& c : m_columns)
        titles << clean(c.title);
    lines << titles.join(QLatin1Char('\t'));
    for (const Row& row : m_rows) {
        QStringList cells{clean(row.name)};
        for (size_t i = 0; i < m_columns.size(); ++i) {
            if (i >= row.cells.size())
                cells << QString();
            else
                cells << (row.cells[i].text ? clean(*row.cells[i].text) : notDetermined);
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}
