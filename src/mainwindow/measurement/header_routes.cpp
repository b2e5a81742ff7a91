// The frames that describe the run: the titration parameters and the header texts.
#include "mainwindow/measurement/measurement_display.h"
#include "mainwindow/measurement/measurement_router.h"

namespace lmv::mainwindow {

void TMeasurementRouter::OnTitrationParamsFrame(const link::TRxFrame& frame)
{
    titration_ = DecodeTitrationParams(frame);
    display_.ShowTitrationParams(TitrationParamTexts(titration_));
    model::TParamsArr& params = display_.LiveRecord().Params;
    const model::TParamsArr pairs = TitrationHeaderParams(titration_);
    params.insert(params.end(), pairs.begin(), pairs.end());
    display_.RefreshHeaderParams();
}

}
