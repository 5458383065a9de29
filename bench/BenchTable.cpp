#include "BenchTable.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

double BenchTable::median(const std::function<void()> &prepare, const std::function<void()> &work) const
{
    std::vector<double> times;
    for (int i = 0; i < m_runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void BenchTable::add(const QString &name, const std::function<void()> &prepare, const std::function<void()> &ours,
                     const std::function<void()> &reference, double targetRatio, const QString &note)
{
    addMeasured(name, prepare, ours, reference, QStringLiteral("ratio ≤ %1").arg(targetRatio),
                [targetRatio](double o, double r) { return o <= r * targetRatio; }, note);
}

void BenchTable::addWithLimit(const QString &name, const std::function<void()> &prepare,
                              const std::function<void()> &ours, const std::function<void()> &reference,
                              double limitMs, const QString &note)
{
    addMeasured(name, prepare, ours, reference, QStringLiteral("≤ %1 ms").arg(limitMs),
                [limitMs](double o, double) { return o <= limitMs; }, note);
}

void BenchTable::addMeasured(const QString &name, const std::function<void()> &prepare,
                             const std::function<void()> &ours, const std::function<void()> &reference,
                             const QString &target, const std::function<bool(double, double)> &met,
                             const QString &note)
{
    if (!wants(name))
        return;
    Row row;
    row.name = name;
    row.ours = median(prepare, ours);
    row.reference = median(prepare, reference);
    row.target = target;
    row.met = met(row.ours, row.reference);
    row.note = note;
    m_rows.append(row);
    QTextStream(stdout) << name << ": " << row.ours << " ms, reference " << row.reference << " ms\n";
}

void BenchTable::addAbsolute(const QString &name, const std::function<double()> &measureMs, double targetMs,
                             const QString &note)
{
    if (!wants(name))
        return;
    std::vector<double> times;
    for (int i = 0; i < m_runs; ++i)
        times.push_back(measureMs());
    std::sort(times.begin(), times.end());
    Row row{name, times[times.size() / 2], -1, QStringLiteral("< %1 ms").arg(targetMs), false, note};
    row.met = row.ours < targetMs;
    m_rows.append(row);
    QTextStream(stdout) << name << ": " << row.ours << " ms\n";
}

QString BenchTable::markdown() const
{
    QString out;
    QTextStream s(&out);
    s << "| Case | Ours (ms) | Reference (ms) | Ratio | Target | Met | Note |\n";
    s << "|---|---:|---:|---:|---|---|---|\n";
    for (const Row &r : m_rows) {
        s << "| " << r.name << " | " << QString::number(r.ours, 'f', 1) << " | "
          << (r.reference < 0 ? QStringLiteral("—") : QString::number(r.reference, 'f', 1)) << " | "
          << (r.reference <= 0 ? QStringLiteral("—") : QString::number(r.ours / r.reference, 'f', 2)) << " | "
          << r.target << " | " << (r.met ? "yes" : "NO") << " | " << r.note << " |\n";
    }
    return out;
}

bool BenchTable::allMet() const
{
    return std::all_of(m_rows.cbegin(), m_rows.cend(), [](const Row &r) { return r.met; });
}
