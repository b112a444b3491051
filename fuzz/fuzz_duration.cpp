// wordAt, hoursOf and minutesOf on duration texts. Properties: only ConversionError ever leaves
// them; a word is never empty and never holds a blank; a duration text the program writes reads
// back as the same hours and minutes.
#include "calc/conversionerror.h"
#include "calc/periodtext.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool locale = (LocaleSettings::setCurrent(fuzz::monthFirst()), true);
    Q_UNUSED(locale);
    if (size < 4)
        return 0;
    // The first four bytes make a duration the program could write, the rest a text to read.
    const int hours = (data[0] << 8 | data[1]) % 10000;
    const int minutes = data[2] % 60;
    const int word = data[3] % 8;
    const QString text = fuzz::text(data + 4, size - 4);

    const QString written = durationText(hours, minutes);
    fuzz::check(hoursOf(written) == hours && minutesOf(written) == minutes, "a written duration reads back", written);

    const QString w = wordAt(text, word);
    fuzz::check(!w.contains(QLatin1Char(' ')), "a word holds no blank", text);
    try {
        hoursOf(text);
    } catch (const ConversionError &) {
    }
    try {
        minutesOf(text);
    } catch (const ConversionError &) {
    }
    return 0;
}
