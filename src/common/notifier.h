#pragma once
// The beep and the message box, behind one interface: the window installs the real one,
// tests install a fake that counts and answers without blocking.
#include <QString>

namespace lmv::common {

enum class BoxIcon { None, Error, Warning, Information, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel, OkNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Beep() = 0;
    virtual BoxAnswer MessageBox(const QString& text, BoxIcon icon = BoxIcon::Error,
                                 BoxButtons buttons = BoxButtons::Ok,
                                 const QString& title = {}) = 0;
};

}
