// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const char catalogueFolder[] = ":/i18n";
const char cataloguePrefix[] = "varritQt_";

QString languageOf(const QString &name)
{
    return name.section('_', 0, 0);
}

}  // namespace

// Read off the build, not the catalogues: looking at them would fix Qt's
// idea of the system's language before the environment names the one chosen.
QStringList gameLanguages()
{
    return QString(VARRIT_LANGUAGES).split(' ', Qt::SkipEmptyParts);
}

Language chooseLanguage(const QStringList &preferred, const QStringList &available)
{
    for (QString name : preferred) {
        name = name.section('.', 0, 0).section('@', 0, 0);  // "de_DE.UTF-8", "de_DE@euro"
        const QString language = languageOf(name);
        QStringList same;
        for (const QString &a : available)
            if (languageOf(a) == language)
                same << a;
        for (const QString &best : {name, language})
            if (same.contains(best))
                return {best, name};
        if (!same.isEmpty())
            return {same.first(), name};
        if (language == "en")
            return {language, name};
    }
    return {"en", "en"};
}

Language languageFromEnvironment()
{
    QStringList preferred = QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(':', Qt::SkipEmptyParts);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            preferred << qEnvironmentVariable(variable);
            break;
        }
    }
    const Language chosen = chooseLanguage(preferred);
    qputenv("LANGUAGE", chosen.locale.toLocal8Bit());
    return chosen;
}

void speak(const Language &language, QTranslator &gameTexts, QTranslator &qtTexts)
{
    QLocale::setDefault(QLocale(language.locale));
    if (gameTexts.load(cataloguePrefix + language.catalogue, catalogueFolder))
        QCoreApplication::installTranslator(&gameTexts);
    if (qtTexts.load(QLocale(language.catalogue), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}
