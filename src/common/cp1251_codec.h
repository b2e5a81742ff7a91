#pragma once
// The one codec between the program's Unicode text and the Windows-1251 bytes of files and the
// wire.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace lmv::common {

// A character that Windows-1251 cannot hold becomes '?'.
QByteArray ToCp1251(QStringView text);
QString FromCp1251(QByteArrayView bytes);

}
