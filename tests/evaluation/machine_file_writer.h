#pragma once

// Writes a record as a testing machine exports it: metadata lines, units in
// the head, semicolons and the German decimal comma.
#include "evaluation/test_record.h"

#include <QFile>
#include <QString>

inline bool writeMachineFile(const QString& path, const evaluation::TestRecord& r)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "Prüfung;Zugversuch\nProbe;1\n\nZeit [s];Kraft [kN];Verlängerung [mm]\n";
    for (size_t i = 0; i < r.size(); ++i)
        text += QByteArray::number(r.time.empty() ? double(i) : r.time[i], 'f', 2) + ';'
            + QByteArray::number(r.load[i] / 1000, 'f', 5) + ';' + QByteArray::number(r.deformation[i], 'f', 5) + '\n';
    return f.write(text.replace('.', ',')) == text.size();
}
