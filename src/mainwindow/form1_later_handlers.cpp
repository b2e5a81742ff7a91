// Handlers whose features are still to be built. Each is bound to its action, menu item or
// creation step already, so filling one in is all that is left to do.
#include "mainwindow/form1.h"

namespace lmv::mainwindow {

// Record list, record folders and properties.
void TForm1::ShowAllActnExecute(const TAction&) {}
void TForm1::ShowPropsActnExecute() {}
void TForm1::OpenBaseActnExecute() {}
void TForm1::OpenFlashBaseActnExecute() {}
void TForm1::RemoveActnExecute() {}
void TForm1::RemoveActnUpdate() {}
void TForm1::RebuildDBActnExecute() {}
void TForm1::SaveProps() {}

// Recording control and time marks.
void TForm1::StartStopActnExecute() {}
void TForm1::AddMarkActnExecute() {}
// The journal is never kept: the action is invisible and does nothing.
void TForm1::LogActnExecute() {}
void TForm1::debug1Click() {}
void TForm1::Timer2Timer() {}
void TForm1::AddPoint(int, double, double) {}
double TForm1::ElapsedRunTime() const { return 0.0; }
void TForm1::SetStatusText(const QString&) {}

// Curve tools and the titration solvers.
void TForm1::FilterActnExecute() {}
void TForm1::ShowDerivativeActnExecute() {}
void TForm1::FindVolumesActnExecute() {}
void TForm1::ShowDevActnExecute(const TAction&) {}

// Peaks.
void TForm1::SetPeakBordersActnExecute() {}
void TForm1::PeakAutoSearchActnExecute() {}
void TForm1::CopyPeaksDataActnExecute() {}
void TForm1::RenamePeakActnExecute() {}
void TForm1::RemovePeakActnExecute() {}
void TForm1::SetPeakTypeActnExecute() {}

// Graph files, text export and import.
void TForm1::N6Click() {}
void TForm1::N7Click() {}
void TForm1::N8Click() {}
void TForm1::N9Click() {}
void TForm1::Action1Execute() {}
void TForm1::N64Click() {}

// Reports.
void TForm1::N5Click() {}
void TForm1::N11Click() {}
void TForm1::N21Click() {}
void TForm1::N41Click() {}
void TForm1::N1Click() {}
void TForm1::N4Click() {}
void TForm1::N3Click() {}

}
