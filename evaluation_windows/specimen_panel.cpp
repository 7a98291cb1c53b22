#include "specimen_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>
#include <cmath>

namespace evaluation::windows {

namespace {

QString numberText(std::optional<double> v)
{
    return v ? QLocale().toString(*v, 'g', 10) : QString();
}

}

SpecimenPanel::SpecimenPanel(QWidget* parent) : QWidget(parent)
{
    auto* specimen = new QGroupBox(tr("Probe"), this);
    auto* form = new QFormLayout(specimen);
    m_name = new QLineEdit(this);
    form->addRow(tr("&Name:"), m_name);
    m_shape = new QComboBox(this);
    m_shape->addItem(tr("rund (d₀)"), int(CrossSection::Round));
    m_shape->addItem(tr("flach (a₀ × b₀)"), int(CrossSection::Flat));
    form->addRow(tr("&Querschnitt:"), m_shape);
    m_d0 = addNumber(form, tr("d₀ in mm:"), tr("Anfangsdurchmesser der runden Probe"));
    m_a0 = addNumber(form, tr("a₀ in mm:"), tr("Anfangsdicke der Flachprobe"));
    m_b0 = addNumber(form, tr("b₀ in mm:"), tr("Anfangsbreite der Flachprobe"));
    m_L0 = addNumber(form, tr("L₀ in mm:"), tr("Anfangsmesslänge"));
    m_Le = addNumber(form, tr("Lₑ in mm:"),
                     tr("Messlänge des Extensometers, beim Traversenweg die Versuchslänge; leer: wie L₀"));
    m_source = new QComboBox(this);
    m_source->addItem(tr("Extensometer über Lₑ"), int(ExtensionSource::Extensometer));
    m_source->addItem(tr("Traversenweg"), int(ExtensionSource::Crosshead));
    m_source->setToolTip(tr("Womit die Verlängerung in der Datei gemessen wurde. Der Traversenweg enthält die "
                            "Nachgiebigkeit der Maschine: mE wird zu klein, A ist nicht normgerecht."));
    form->addRow(tr("Verlängerung &aus:"), m_source);

    auto* after = new QGroupBox(tr("Nach dem Bruch (optional)"), this);
    auto* afterForm = new QFormLayout(after);
    m_Lu = addNumber(afterForm, tr("Lᵤ in mm:"), tr("Messlänge nach dem Bruch: A = (Lᵤ − L₀) / L₀"));
    m_du = addNumber(afterForm, tr("dᵤ in mm:"), tr("kleinster Durchmesser nach dem Bruch (runde Probe)"));
    m_Su = addNumber(afterForm, tr("Sᵤ in mm²:"), tr("kleinster Querschnitt nach dem Bruch"));
    m_Fm = addNumber(afterForm, tr("Fₘ in kN:"), tr("Höchstkraft, für eine Probe ohne Messkurve"));

    auto* settings = new QGroupBox(tr("Auswertung"), this);
    auto* settingsForm = new QFormLayout(settings);
    m_lowerShare = addNumber(settingsForm, tr("Hookesche Gerade ab % von Rₘ:"),
                             tr("untere Grenze des Bereichs, über den mE angepasst wird"));
    m_upperShare = addNumber(settingsForm, tr("bis % von Rₘ:"), tr("obere Grenze dieses Bereichs"));
    m_dropShare = addNumber(settingsForm, tr("Bruch bei Kraftabfall um % von Fₘ:"),
                            tr("Der Bruch ist der letzte Punkt, bevor die Kraft um mehr als diesen Anteil der "
                               "Höchstkraft innerhalb weniger Messpunkte fällt."));

    m_problems = new QLabel(this);
    m_problems->setWordWrap(true);
    m_problems->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(specimen);
    layout->addWidget(after);
    layout->addWidget(settings);
    layout->addWidget(m_problems);
    layout->addStretch(1);

    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (!m_showing && m_name->isModified())
            emit edited();
    });
    for (QComboBox* box : {m_shape, m_source})
        connect(box, &QComboBox::activated, this, [this] {
            updateShape();
            emit edited();
        });
    showSpecimen(nullptr);
}

QLineEdit* SpecimenPanel::addNumber(QFormLayout* form, const QString& label, const QString& toolTip)
{
    auto* edit = new QLineEdit(this);
    edit->setToolTip(toolTip);
    edit->setAccessibleDescription(toolTip);
    form->addRow(label, edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        if (m_showing || !edit->isModified())
            return;
        edit->setModified(false);
        emit edited();
    });
    return edit;
}

std::optional<double> SpecimenPanel::parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // The interface language's numbers first (its locale is the default),
    // then a decimal comma, then a decimal point.
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale(QLocale::German).toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v) ? v : std::nan("");
}

void SpecimenPanel::showSpecimen(const TensileSpecimen* s)
{
    m_showing = true;
    setEnabled(s != nullptr);
    const Specimen none;
    const Specimen& sp = s ? s->specimen : none;
    m_hasCurve = s && s->source.has_value();
    m_name->setText(s ? s->name : QString());
    m_shape->setCurrentIndex(m_shape->findData(int(sp.crossSection)));
    m_source->setCurrentIndex(m_source->findData(int(sp.extensionSource)));
    const auto positive = [](double v) { return v > 0 ? std::optional<double>(v) : std::nullopt; };
    m_d0->setText(numberText(positive(sp.d0)));
    m_a0->setText(numberText(positive(sp.a0)));
    m_b0->setText(numberText(positive(sp.b0)));
    m_L0->setText(numberText(positive(sp.L0)));
    m_Le->setText(numberText(sp.Le));
    m_Lu->setText(numberText(sp.Lu));
    m_du->setText(numberText(sp.du));
    m_Su->setText(numberText(sp.Su));
    m_Fm->setText(numberText(sp.Fm));
    const TensileSettings settings = s ? s->settings : TensileSettings{};
    m_lowerShare->setText(numberText(settings.modulusLowerShare * 100));
    m_upperShare->setText(numberText(settings.modulusUpperShare * 100));
    m_dropShare->setText(numberText(settings.fractureDropShare * 100));
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setModified(false);
    updateShape();
    if (s)
        showProblems(*s);
    else
        m_problems->clear();
    m_showing = false;
}

void SpecimenPanel::updateShape()
{
    const bool round = m_shape->currentData().toInt() == int(CrossSection::Round);
    m_d0->setEnabled(round);
    m_du->setEnabled(round);
    m_a0->setEnabled(!round);
    m_b0->setEnabled(!round);
    // A curve gives the maximum force; typed values only where there is none.
    m_Fm->setEnabled(!m_hasCurve);
    m_source->setEnabled(m_hasCurve);
    m_Le->setEnabled(m_hasCurve);
}

bool SpecimenPanel::read(TensileSpecimen& s) const
{
    TensileSpecimen changed = s;
    QStringList notNumbers;
    const auto take = [&](QLineEdit* edit, auto& target) {
        const std::optional<double> v = parseNumber(edit->text());
        if (v && std::isnan(*v)) {
            notNumbers << edit->text();
            return;
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(target)>, double>)
            target = v.value_or(0);
        else
            target = v;
    };
    changed.name = m_name->text().trimmed().isEmpty() ? s.name : m_name->text().trimmed();
    Specimen& sp = changed.specimen;
    sp.crossSection = CrossSection(m_shape->currentData().toInt());
    sp.extensionSource = ExtensionSource(m_source->currentData().toInt());
    take(m_d0, sp.d0);
    take(m_a0, sp.a0);
    take(m_b0, sp.b0);
    take(m_L0, sp.L0);
    take(m_Le, sp.Le);
    take(m_Lu, sp.Lu);
    take(m_du, sp.du);
    take(m_Su, sp.Su);
    take(m_Fm, sp.Fm);
    double lower = 0, upper = 0, drop = 0;
    take(m_lowerShare, lower);
    take(m_upperShare, upper);
    take(m_dropShare, drop);
    changed.settings.modulusLowerShare = lower / 100;
    changed.settings.modulusUpperShare = upper / 100;
    changed.settings.fractureDropShare = drop / 100;
    if (!notNumbers.isEmpty()) {
        m_problems->setText(tr("Keine Zahl: „%1“").arg(notNumbers.join(QStringLiteral("“, „"))));
        return false;
    }
    if (const QStringList problems = settingsProblems(changed.settings); !problems.isEmpty()) {
        m_problems->setText(problems.join(QLatin1Char('\n')));
        return false;
    }
    s = std::move(changed);
    return true;
}

void SpecimenPanel::showProblems(const TensileSpecimen& s)
{
    QStringList lines;
    for (const SpecimenProblem& p : checkSpecimen(s.specimen))
        lines << p.message;
    if (!s.result.curveProblem.isEmpty())
        lines << s.result.curveProblem;
    m_problems->setText(lines.join(QLatin1Char('\n')));
}

}
