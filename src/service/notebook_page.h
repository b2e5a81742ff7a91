#pragma once
// A page of the photometer's notebook: the answer's fields, the texts shown from them and the
// line the notebook file holds for it.
#include "link/frame_codec.h"

#include <QString>

namespace lmv::service {

inline constexpr uint8_t EmptyNotebookPage = 0xFF;

// The texts of one page as its fields show them.
struct TNotebookFields {
    QString result;
    QString unit;
    QString density;  // D
    QString calibration;  // counted from 1
    QString wavelength;  // number, blank, "нм"
    QString firstText;
    QString secondText;
};

// Whether the answer is the instrument's "no such page".
bool IsEmptyNotebookPage(const link::TRxFrame& frame);

// The texts of a page answer; throws common::RangeError for a unit index outside the table.
TNotebookFields DecodeNotebookPage(const link::TRxFrame& frame);

// A number text cut to at most six characters by dropping decimals only: the integer part and an
// exponent stay whole, and a point left without decimals goes too.
QString CutNumberText(const QString& text);

// The file's line of page `page` (counted from 1), without its line end.
QString NotebookLine(int page, const TNotebookFields& fields);

}
