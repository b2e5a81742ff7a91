#pragma once
// Which columns of the readings table hold the date stamp and the operator's comment.
#include <QString>

namespace lmv::mainwindow {

// The coulometer's and the Fischer titrator's layout, with its "Заряд" column before the date.
bool HasChargeLayout(int deviceType);

// 8 for the coulometer and the Fischer titrator, 7 for every other device type.
int DateColumn(int deviceType);
// 9 for the coulometer and the Fischer titrator, 8 for every other device type.
int CommentColumn(int deviceType);

// Only the comment column takes typing, and only while the live record is on screen.
bool CanTypeIntoColumn(int column, int deviceType, bool liveRecordOnScreen);

}
