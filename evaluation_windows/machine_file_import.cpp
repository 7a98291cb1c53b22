#include "machine_file_import.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

namespace evaluation::windows {

namespace {

constexpr std::array separators{Separator::Semicolon, Separator::Tab, Separator::Comma, Separator::Blanks};
constexpr std::array forceUnits{Unit::Newton, Unit::Kilonewton, Unit::Megapascal};
constexpr std::array extensionUnits{Unit::Millimetre, Unit::Micrometre, Unit::Percent};
constexpr std::array timeUnits{Unit::Second, Unit::Millisecond, Unit::Minute};

QStringList fieldsOf(const QString& line, Separator separator)
{
    const QByteArray bytes = line.toUtf8();
    QStringList fields;
    splitFields(std::string_view(bytes.constData(), size_t(bytes.size())), separator,
                [&](int, std::string_view field) {
                    const std::string_view text = stripQuotes(field);
                    fields << QString::fromUtf8(text.data(), qsizetype(text.size())).trimmed();
                    return true;
                });
    return fields;
}

template <size_t N>
void fillUnits(QComboBox* box, const std::array<Unit, N>& units, Unit current)
{
    box->clear();
    for (Unit u : units)
        box->addItem(unitSymbol(u), int(u));
    box->setCurrentIndex(std::max(0, box->findData(int(current))));
}

Unit unitOf(const QComboBox* box) { return Unit(box->currentData().toInt()); }

QString settingsKey(const MachineFileLayout& layout)
{
    return QStringLiteral("evaluation/columns/") + layoutKey(layout);
}

}

MachineFileImportDialog::MachineFileImportDialog(const QString& path, const MachineFileInspection& inspection,
                                                 QWidget* parent)
    : QDialog(parent), m_lines(inspection.firstLines), m_layout(*inspection.layout)
{
    setObjectName(QStringLiteral("machineFileImport"));
    setWindowTitle(tr("Messdatei einlesen: %1").arg(QFileInfo(path).fileName()));
    setSizeGripEnabled(true);

    m_preview = new QTableWidget(this);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_separator = new QComboBox(this);
    for (Separator s : separators)
        m_separator->addItem(separatorName(s), int(s));
    m_separator->setCurrentIndex(m_separator->findData(int(m_layout.separator)));
    m_decimal = new QComboBox(this);
    for (DecimalMark d : {DecimalMark::Comma, DecimalMark::Point})
        m_decimal->addItem(decimalMarkName(d), int(d));
    m_decimal->setCurrentIndex(m_decimal->findData(int(m_layout.decimalMark)));

    m_force = new QComboBox(this);
    m_forceUnit = new QComboBox(this);
    m_extension = new QComboBox(this);
    m_extensionUnit = new QComboBox(this);
    m_time = new QComboBox(this);
    m_crosshead = new QCheckBox(tr("Die Verlängerung ist der Traversenweg (kein Extensometer)"), this);
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Trennzeichen:"), m_separator);
    form->addRow(tr("&Dezimalzeichen:"), m_decimal);
    auto pair = [](QComboBox* a, QComboBox* b) {
        auto* row = new QHBoxLayout;
        row->addWidget(a, 1);
        row->addWidget(b);
        return row;
    };
    // Rows of two fields: the access key goes to the column.
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    form->addRow(label(tr("&Kraft:"), m_force), pair(m_force, m_forceUnit));
    form->addRow(label(tr("&Verlängerung:"), m_extension), pair(m_extension, m_extensionUnit));
    form->addRow(tr("&Zeit:"), m_time);
    form->addRow(QString(), m_crosshead);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Einlesen"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Die ersten Zeilen der Datei:"), this));
    layout->addWidget(m_preview, 1);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    resize(760, 560);

    fillColumns(rememberedChoice(m_layout).value_or(inspection.columns));
    showPreview();
    for (QComboBox* box : {m_force, m_forceUnit, m_extension, m_extensionUnit, m_time})
        connect(box, &QComboBox::currentIndexChanged, this, &MachineFileImportDialog::check);
    connect(m_separator, &QComboBox::currentIndexChanged, this, &MachineFileImportDialog::relayout);
    connect(m_decimal, &QComboBox::currentIndexChanged, this, &MachineFileImportDialog::relayout);
    // A column chosen by hand brings the unit its head names.
    for (const auto& fields : {std::pair{m_force, m_forceUnit}, std::pair{m_extension, m_extensionUnit}}) {
        QComboBox* column = fields.first;
        QComboBox* unit = fields.second;
        connect(column, &QComboBox::activated, this, [this, column, unit] {
            const int c = column->currentData().toInt();
            if (c >= 0 && c < int(m_layout.columns.size()))
                if (const int i = unit->findData(int(m_layout.columns[size_t(c)].unit)); i >= 0)
                    unit->setCurrentIndex(i);
        });
    }
    check();
}

void MachineFileImportDialog::fillColumns(const ColumnChoice& choice)
{
    for (QComboBox* box : {m_force, m_extension, m_time}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItem(tr("(keine)"), -1);
        for (int i = 0; i < m_layout.columnCount; ++i) {
            const QString head = m_layout.headerTexts.value(i);
            box->addItem(head.isEmpty() ? tr("Spalte %1").arg(i + 1) : tr("Spalte %1: %2").arg(i + 1).arg(head), i);
        }
    }
    m_force->setCurrentIndex(std::max(0, m_force->findData(choice.force)));
    m_extension->setCurrentIndex(std::max(0, m_extension->findData(choice.extension)));
    m_time->setCurrentIndex(std::max(0, m_time->findData(choice.time)));
    fillUnits(m_forceUnit, forceUnits, choice.forceUnit);
    fillUnits(m_extensionUnit, extensionUnits, choice.extensionUnit);
    m_crosshead->setChecked(choice.crossheadTravel);
}

ColumnChoice MachineFileImportDialog::choice() const
{
    ColumnChoice c;
    c.force = m_force->currentData().toInt();
    c.forceUnit = unitOf(m_forceUnit);
    c.extension = m_extension->currentData().toInt();
    c.extensionUnit = unitOf(m_extensionUnit);
    c.time = m_time->currentData().toInt();
    if (c.time >= 0 && c.time < int(m_layout.columns.size())
        && dimensionOf(m_layout.columns[size_t(c.time)].unit) == Dimension::Time)
        c.timeUnit = m_layout.columns[size_t(c.time)].unit;
    c.crossheadTravel = m_crosshead->isChecked();
    return c;
}

QString MachineFileImportDialog::problem() const
{
    const ColumnChoice c = choice();
    if (c.force < 0 || c.extension < 0)
        if (const QString guess = guessProblem(m_layout, c); !guess.isEmpty())
            return guess;
    return checkColumnChoice(m_layout, c);
}

void MachineFileImportDialog::relayout()
{
    // Heads and columns as the chosen separator splits the lines.
    m_layout.separator = Separator(m_separator->currentData().toInt());
    m_layout.decimalMark = DecimalMark(m_decimal->currentData().toInt());
    if (m_layout.headerLine > 0 && m_layout.headerLine <= m_lines.size()) {
        m_layout.headerTexts = fieldsOf(m_lines[m_layout.headerLine - 1], m_layout.separator);
        m_layout.columns.clear();
        for (const QString& h : std::as_const(m_layout.headerTexts))
            m_layout.columns.push_back(splitHeading(h));
    }
    if (m_layout.firstDataLine > 0 && m_layout.firstDataLine <= m_lines.size())
        m_layout.columnCount = int(fieldsOf(m_lines[m_layout.firstDataLine - 1], m_layout.separator).size());
    fillColumns(rememberedChoice(m_layout).value_or(guessColumns(m_layout)));
    showPreview();
    check();
}

void MachineFileImportDialog::showPreview()
{
    m_preview->clear();
    m_preview->setRowCount(int(m_lines.size()));
    int columns = 1;
    for (int r = 0; r < m_lines.size(); ++r) {
        const bool data = r + 1 >= m_layout.firstDataLine;
        const QStringList fields = data || r + 1 == m_layout.headerLine ? fieldsOf(m_lines[r], m_layout.separator)
                                                                        : QStringList{m_lines[r]};
        columns = std::max(columns, int(fields.size()));
        m_preview->setColumnCount(columns);
        for (int c = 0; c < fields.size(); ++c) {
            auto* item = new QTableWidgetItem(fields[c]);
            if (!data)
                item->setForeground(palette().placeholderText());
            m_preview->setItem(r, c, item);
        }
        m_preview->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
    // The heads and the first numbers in sight, below the lines of metadata.
    if (m_layout.firstDataLine > 1 && m_layout.firstDataLine <= m_preview->rowCount())
        m_preview->scrollToItem(m_preview->item(m_layout.firstDataLine - 1, 0), QAbstractItemView::PositionAtBottom);
}

void MachineFileImportDialog::check()
{
    const QString p = problem();
    m_problem->setText(p);
    m_problem->setVisible(!p.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(p.isEmpty());
}

void MachineFileImportDialog::accept()
{
    if (!problem().isEmpty())
        return;
    rememberChoice(m_layout, choice());
    QDialog::accept();
}

std::optional<ColumnChoice> MachineFileImportDialog::rememberedChoice(const MachineFileLayout& layout)
{
    QSettings settings;
    settings.beginGroup(settingsKey(layout));
    if (!settings.contains(QStringLiteral("force")))
        return std::nullopt;
    ColumnChoice c;
    c.force = settings.value(QStringLiteral("force")).toInt();
    c.forceUnit = Unit(settings.value(QStringLiteral("forceUnit")).toInt());
    c.extension = settings.value(QStringLiteral("extension")).toInt();
    c.extensionUnit = Unit(settings.value(QStringLiteral("extensionUnit")).toInt());
    c.time = settings.value(QStringLiteral("time"), -1).toInt();
    c.timeUnit = Unit(settings.value(QStringLiteral("timeUnit"), int(Unit::Second)).toInt());
    c.crossheadTravel = settings.value(QStringLiteral("crosshead")).toBool();
    // A remembered choice that no longer fits (settings edited by hand) is forgotten.
    if (!checkColumnChoice(layout, c).isEmpty())
        return std::nullopt;
    return c;
}

void MachineFileImportDialog::rememberChoice(const MachineFileLayout& layout, const ColumnChoice& c)
{
    QSettings settings;
    settings.beginGroup(settingsKey(layout));
    settings.setValue(QStringLiteral("force"), c.force);
    settings.setValue(QStringLiteral("forceUnit"), int(c.forceUnit));
    settings.setValue(QStringLiteral("extension"), c.extension);
    settings.setValue(QStringLiteral("extensionUnit"), int(c.extensionUnit));
    settings.setValue(QStringLiteral("time"), c.time);
    settings.setValue(QStringLiteral("timeUnit"), int(c.timeUnit));
    settings.setValue(QStringLiteral("crosshead"), c.crossheadTravel);
}

void readMachineFileInBackground(QWidget* parent, const QString& path, const MachineFileLayout& layout,
                                 const ColumnChoice& choice, std::function<void(MachineFileReading)> done)
{
    struct Shared {
        std::atomic<double> share{0};
        std::atomic<bool> cancel{false};
        MachineFileReading reading;
    };
    auto shared = std::make_shared<Shared>();
    QThread* thread = QThread::create([shared, path, layout, choice] {
        shared->reading = readMachineFile(path, layout, choice, [shared](double share) {
            shared->share = share;
            return !shared->cancel.load();
        });
    });
    auto* progress = new QProgressDialog(MachineFileImportDialog::tr("%1 wird gelesen …").arg(QFileInfo(path).fileName()),
                                         MachineFileImportDialog::tr("Abbrechen"), 0, 1000, parent);
    progress->setObjectName(QStringLiteral("readingProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(500);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setValue(0);
    QObject::connect(progress, &QProgressDialog::canceled, progress, [shared] { shared->cancel = true; });
    // The bar follows the reading while it runs; the timer ends with it.
    auto* follow = new QTimer(progress);
    QObject::connect(follow, &QTimer::timeout, progress,
                     [progress, shared] { progress->setValue(int(shared->share.load() * 1000)); });
    follow->start(50);
    QObject::connect(thread, &QThread::finished, progress, [thread, progress, shared, done = std::move(done)] {
        thread->deleteLater();
        progress->deleteLater();
        done(std::move(shared->reading));
    });
    thread->start();
}

}
