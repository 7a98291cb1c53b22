#pragma once

// The table in which the student types the results of a series, one
// specimen a row, as in a spreadsheet: a number per cell (decimal comma or
// point), check boxes for yes/no columns, and always one empty row at the end
// to type the next specimen into. A value that cannot be a value of its
// column is refused with a message and the cell keeps what it held; a row
// that lacks a value its specimen needs is marked and left out of the
// evaluation, with a note that says so. The impact and fatigue tables are
// this with their own columns and checks.
#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

namespace evaluation::windows {

// A number as typed: in the program's locale (decimal comma) or with a
// decimal point, with an optional exponent; blanks around it are dropped.
// None for text that is not a finite number.
std::optional<double> parseTypedNumber(const QString& text);

class SpecimenTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Kind {
        Number,  // a measured value, shown as typed
        Count,   // a number of cycles, shown with thousands separators
        Flag,    // yes or no, a check box
    };
    struct Column {
        QString title;      // with its unit, translated; may break into lines
        Kind kind = Kind::Number;
        bool required = false;
        QString name;       // for messages ("die Prüftemperatur")
    };
    using Row = std::vector<std::optional<double>>;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;

    // The rows typed so far, without the empty row at the end.
    int specimenRows() const { return int(m_rows.size()); }
    // Why a row is left out of the evaluation (a required value missing);
    // empty for a complete row and for a row empty throughout.
    QString rowProblem(int row) const;
    // The problems of all rows, one line each.
    QStringList rowProblems() const;

    // Pastes a block of tab-separated lines (as a spreadsheet copies it)
    // from the cell at row, column on, adding rows as needed. Every value is
    // checked first: a block with a value that cannot be taken changes
    // nothing and returns the message; empty when it was taken.
    QString paste(int row, int column, const QString& text);
    // The rows as tab-separated lines with a decimal comma and a header line.
    // Qt::UserRole gives a column's title on one line.
    QString copyText() const;

signals:
    // A typed value was refused; the message says why.
    void inputRefused(const QString& message);

protected:
    explicit SpecimenTableModel(std::vector<Column> columns, QObject* parent = nullptr);

    // What is wrong with the values of a row as it would stand after an
    // edit (the evaluation's check of a specimen, missing values taken as
    // harmless); empty when nothing is.
    virtual QString valueProblem(const Row& row) const = 0;

    const std::vector<Row>& rows() const { return m_rows; }
    void resetRows(std::vector<Row> rows);
    void setColumnTitle(int column, const QString& title);
    // The rows that hold every required value.
    std::vector<const Row*> completeRows() const;

private:
    bool isEmpty(const Row& row) const;
    QString formatted(int column, double value, bool forEditing) const;
    // The value of text for a column, or the message why it is none.
    std::optional<double> parseCell(int column, const QString& text, QString& problem) const;

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
};

}
