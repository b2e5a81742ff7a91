#pragma once
// A curve as two-column text for other programs, one line per point ended by CR LF: X, a TAB, a
// blank and Y; or, comma-separated, X, a comma, Y and a comma. Numbers in the general form with
// up to 15 significant digits and '.' as the separator, whatever the system locale says.
// Writing goes through the atomic save and throws FileError: a failed export leaves an old
// file whole.
#include "model/recording_model.h"

#include <QByteArray>
#include <QString>
#include <span>

namespace lmv::store {

enum class TGraphTextForm { TabBlank, Commas };

QByteArray GraphTextBytes(std::span<const model::TPoint> points, TGraphTextForm form);

void WriteGraphText(const QString& path, std::span<const model::TPoint> points,
                    TGraphTextForm form);

}
