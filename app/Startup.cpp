// The application's set-up before its first window.

#include "app/Startup.h"

#include "forms/Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void prepareApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("tramelune"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setQuitOnLastWindowClosed(false);

    forms::installFontSubstitutes();
    QApplication::setFont(forms::defaultFont());

    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
