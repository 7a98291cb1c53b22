#pragma once

// Bringing a testing machine's file into the tensile window: the import
// dialog shows its first lines and the guessed layout, the user corrects
// separator, decimal mark and columns (remembered for every file of the
// same layout), and the file is read on a second thread, with a progress bar
// and a cancel button when it takes longer than half a second.
#include "evaluation/machine_file_reader.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace evaluation::windows {

class MachineFileImportDialog : public QDialog {
    Q_OBJECT
public:
    MachineFileImportDialog(const QString& path, const MachineFileInspection& inspection, QWidget* parent = nullptr);

    const MachineFileLayout& layout() const { return m_layout; }
    ColumnChoice choice() const;
    // What keeps the choice from being read; empty when it can be.
    QString problem() const;

    // The choice remembered for files of a layout, if any; remembers one.
    static std::optional<ColumnChoice> rememberedChoice(const MachineFileLayout& layout);
    static void rememberChoice(const MachineFileLayout& layout, const ColumnChoice& choice);

    void accept() override;

private:
    void relayout();
    void fillColumns(const ColumnChoice& choice);
    void showPreview();
    void check();

    QStringList m_lines;
    MachineFileLayout m_layout;
    QComboBox* m_separator;
    QComboBox* m_decimal;
    QComboBox* m_force;
    QComboBox* m_forceUnit;
    QComboBox* m_extension;
    QComboBox* m_extensionUnit;
    QComboBox* m_time;
    QCheckBox* m_crosshead;
    QTableWidget* m_preview;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};

// Reads the file on a second thread; `done` runs on the calling thread with
// the reading (cancelled where the user cancelled). The window stays
// responsive; beyond half a second a progress dialog offers to cancel.
void readMachineFileInBackground(QWidget* parent, const QString& path, const MachineFileLayout& layout,
                                 const ColumnChoice& choice, std::function<void(MachineFileReading)> done);

}
