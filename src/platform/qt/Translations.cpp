#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

void installFrom(QCoreApplication &app, const QLocale &language, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    // Tries the session's languages in order of preference ("pt-BR", then "pt"), each as a file name.
    if (translator->load(language, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void install(QCoreApplication &app, const QLocale &language)
{
    // Qt's own texts (the standard buttons of a message box, a line edit's context menu).
    installFrom(app, language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installFrom(app, language, QStringLiteral("quotabar"), QStringLiteral(":/i18n"));
}

}
