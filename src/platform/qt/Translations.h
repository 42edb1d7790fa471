#pragma once

#include <QLocale>

class QCoreApplication;

// The program's texts and Qt's own in the session's language, installed once at start.
namespace Translations {

// Installs both translators on the application for the given language (the session's by default).
// English, and a language without a catalogue, leave the source texts.
void install(QCoreApplication &app, const QLocale &language = QLocale());

}
