#include "FuzzInput.h"

#include "data/TextForms.h"

#include <cmath>
#include <cstdlib>

// Every reader takes any text without failing, and what it reads survives the
// trip through its own text form.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);

    const double leading = TextForms::leadingNumber(text);
    if (std::isnan(leading) || std::isinf(leading))
        std::abort();
    const QString written = TextForms::numberText(leading);
    if (written.isEmpty())
        std::abort();

    if (const auto date = TextForms::parseDate(text)) {
        if (!date->isValid() || TextForms::parseDate(TextForms::dateText(*date)) != date)
            std::abort();
    }

    if (const auto number = TextForms::parseNumber(text)) {
        const auto back = TextForms::parseNumber(TextForms::numberText(*number));
        // Fifteen significant digits: the value comes back to within that.
        if (!back || std::fabs(*back - *number) > std::fabs(*number) * 1e-14)
            std::abort();
    }

    for (FieldType type : {FieldType::Text, FieldType::Date, FieldType::WholeNumber, FieldType::Number,
                           FieldType::Counter, FieldType::Serial}) {
        if (const auto stored = TextForms::storedValue(type, text)) {
            // What a box shows after saving is read back as the same value.
            const QString shown = TextForms::displayText(type, *stored);
            const auto again = TextForms::storedValue(type, shown);
            if (!again || TextForms::displayText(type, *again) != shown)
                std::abort();
        }
    }
    return 0;
}
