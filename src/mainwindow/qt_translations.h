#pragma once
// Qt's own texts (dialog buttons, file dialogs, the calendar, edit menus) in Russian, like the rest
// of the window, whatever the system's language.
class QCoreApplication;

namespace lmv::mainwindow {

// Loads Qt's Russian catalogue from Qt's translations folder; false when it is not installed, and
// then Qt's texts stay English.
bool InstallQtTranslations(QCoreApplication& app);

}
