#pragma once

#include "evaluation/outcome.h"

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

namespace evaluation::windows {

// One value of a results table as it is shown: its text, rounded for the
// report, or the reason why there is none (shown as "–", the reason as its
// tooltip); a value that has a remark (not valid after the standard, from
// fewer specimens) shows it as tooltip and in italics.
struct ResultCell {
    Outcome<QString> text;
    QString note;
};

// A table of results, one row per specimen and rows of statistics below: the
// first column names the row (with a check box where the row can be switched
// off), the others hold the values. Every evaluation window shows one of
// these and copies it with Ctrl+C.
class ResultsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;       // "Rm/MPa"
        QString definition;  // its tooltip: what the value is
    };
    struct Row {
        QString name;
        std::vector<ResultCell> cells;  // one per column, missing ones are empty
        std::optional<bool> included;   // a check box where the row can be switched off
        bool summary = false;           // mean, standard deviation: bold
    };

    explicit ResultsTableModel(QString nameTitle, QObject* parent = nullptr);

    void setColumns(std::vector<Column> columns);
    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The table as a spreadsheet takes it: a line of column titles, then one
    // line per row, cells separated by tabs, numbers with the decimal
    // separator they are shown with, "-" where a value is not determined.
    QString tabSeparated() const;

signals:
    // The user switched a row on or off with its check box.
    void inclusionToggled(int row, bool included);

private:
    const ResultCell* cell(const QModelIndex& index) const;

    QString m_nameTitle;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
};

// The text shown for a value that is not determined.
inline const QString notDeterminedMark = QStringLiteral("–");

}
