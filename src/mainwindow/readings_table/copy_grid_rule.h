#pragma once
// Which grid "Копировать таблицу" copies: the readings table on its page, the results grid on
// the results page, nothing elsewhere (and then the command is disabled).
namespace lmv::mainwindow {

enum class TCopiedGrid { None, Readings, Results };

TCopiedGrid GridToCopy(int activePage);
bool CopyGridEnabled(int activePage);

}
