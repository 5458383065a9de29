#include "FuzzInput.h"

#include "reports/Module1.h"
#include "reports/ReportError.h"

#include <cstdlib>

// Any value in any digit pattern: the field helpers either fill exactly the
// pattern's width or refuse with their invalid-argument error; they never
// truncate and never fail otherwise.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The second byte makes the pattern: its width and where commas stand.
    const int width = 1 + data[1] % 16;
    QString pattern;
    for (int i = 0; i < width; ++i)
        pattern += (data[1] >> (i % 8) & 1) && i > 0 && i + 1 < width && i % 4 == 1 ? QLatin1Char(',') : QLatin1Char('#');
    const QString text = fuzzText(data + 1, size - 1);

    QVariant values[] = {QVariant(text), QVariant(text.toDouble()), QVariant(text.toLongLong())};
    for (const QVariant &value : values) {
        for (bool right : {false, true}) {
            try {
                const QString out = right ? Module1::RataKanan(value, pattern) : Module1::RataKiri(value, pattern);
                if (out.size() != pattern.size())
                    std::abort();
            } catch (const ReportError &) {
                // too wide for the field: the caller reports it
            }
        }
    }
    return 0;
}
