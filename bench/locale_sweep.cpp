// Pastes 1234 and 1234567, as the C library (printf "%'d") and Qt write them
// in every UTF-8 locale of `locale -a`, into the input box's reading under
// that locale's numeric settings, as the window works them out; lists every
// locale where n comes out other than meant and exits 1 if there is one.
#include "number/ModFibo.h"
#include "number/TextForms.h"
#include "window/UserNumericSettings.h"

#include <QLocale>
#include <QProcess>
#include <QTextStream>

#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The C library's form of `value`, or nothing where it lacks the locale or
// the locale is not UTF-8.
QString cLibraryForm(const QByteArray &name, int value)
{
    const locale_t numbers = newlocale(LC_ALL_MASK, name.constData(), locale_t(nullptr));
    if (numbers == locale_t(nullptr))
        return {};
    QString form;
    if (std::strcmp(nl_langinfo_l(CODESET, numbers), "UTF-8") == 0) {
        const locale_t previous = uselocale(numbers);
        char text[64];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat" // the flag ' (grouped) is POSIX, not ISO C++
        std::snprintf(text, sizeof text, "%'d", value);
#pragma GCC diagnostic pop
        uselocale(previous);
        form = QString::fromUtf8(text);
    }
    freelocale(numbers);
    return form;
}

} // namespace

int main()
{
    QProcess locales;
    locales.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    locales.waitForFinished();
    QTextStream out(stdout);
    int swept = 0;
    int misread = 0;
    for (const QByteArray &name : locales.readAllStandardOutput().split('\n')) {
        if (name.isEmpty() || cLibraryForm(name, 1).isEmpty())
            continue;
        ++swept;
        setenv("LC_ALL", name.constData(), 1);
        const ModFibo::NumericSettings settings = userNumericSettings();
        const ModFibo::TextForms forms(settings);
        QStringList wrong;
        for (const int value : {1234, 1234567}) {
            for (const QString &pasted : {cLibraryForm(name, value), QLocale(QString::fromLatin1(name)).toString(value)}) {
                // Count right after the paste, and after the key release that regroups it.
                const QString shown = forms.regroupedText(pasted).value_or(pasted);
                for (const QString &text : {pasted, shown}) {
                    const double n = ModFibo::TextToNumber(text, settings.grouping);
                    const QString reading = QStringLiteral("\"%1\" reads %2").arg(text).arg(n, 0, 'f', 0);
                    if (n != value && !wrong.contains(reading))
                        wrong << reading;
                }
            }
        }
        if (!wrong.isEmpty()) {
            ++misread;
            out << name << ": " << wrong.join(QStringLiteral(", ")) << '\n';
        }
    }
    out << misread << " of " << swept << " UTF-8 locales read a pasted number other than meant\n";
    return misread == 0 && swept > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
