#pragma once

// What the start-up and window benchmarks share: one clock for parent and
// children, the resident memory of a process, the machine's load, medians.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace bench {

// Monotonic time in ms, the same clock in every process.
inline double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// VmRSS of a process (0: this one), in MB; 0 where it cannot be read.
inline double residentMegabytes(qint64 pid = 0)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The load averages over 1, 5 and 15 minutes, as /proc/loadavg gives them.
inline QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> words = file.readAll().split(' ');
    return QString::fromLatin1(words.mid(0, 3).join(' '));
}

inline int processors()
{
    int n = 0;
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            n += line.startsWith("processor");
    return n;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline void mark(const char* what, double value)
{
    std::printf("%s %.3f\n", what, value);
    std::fflush(stdout);
}

}
