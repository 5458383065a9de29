#pragma once

#include <QList>
#include <QString>
#include <functional>

// Runs each case and its reference several times and prints one table:
// case, ours, reference, ratio, target (medians, in milliseconds).
class BenchTable
{
public:
    // Only cases whose name holds `only` run (all when it is empty).
    BenchTable(int runs, const QString &only) : m_runs(runs), m_only(only) {}
    bool wants(const QString &name) const { return m_only.isEmpty() || name.contains(m_only, Qt::CaseInsensitive); }

    // prepare runs before every timed run and is not timed.
    void add(const QString &name, const std::function<void()> &prepare, const std::function<void()> &ours,
             const std::function<void()> &reference, double targetRatio, const QString &note = QString());
    // A case with an absolute target in milliseconds, measured beside a
    // reference for scale.
    void addWithLimit(const QString &name, const std::function<void()> &prepare, const std::function<void()> &ours,
                      const std::function<void()> &reference, double limitMs, const QString &note = QString());
    // A case with an absolute target in milliseconds and no reference.
    void addAbsolute(const QString &name, const std::function<double()> &measureMs, double targetMs,
                     const QString &note = QString());

    QString markdown() const;
    bool allMet() const;

private:
    struct Row
    {
        QString name;
        double ours;
        double reference; // < 0: none
        QString target;
        bool met;
        QString note;
    };
    double median(const std::function<void()> &prepare, const std::function<void()> &work) const;
    // Times ours and the reference; met(ours, reference) says whether the
    // target holds.
    void addMeasured(const QString &name, const std::function<void()> &prepare, const std::function<void()> &ours,
                     const std::function<void()> &reference, const QString &target,
                     const std::function<bool(double, double)> &met, const QString &note);

    int m_runs;
    QString m_only;
    QList<Row> m_rows;
};
