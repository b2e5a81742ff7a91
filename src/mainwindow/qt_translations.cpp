#include "mainwindow/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lmv::mainwindow {

bool InstallQtTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // "qt_ru" gathers the catalogues of every Qt module the program uses.
    if (!translator->load(QStringLiteral("qt_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}
