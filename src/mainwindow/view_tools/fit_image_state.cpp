#include "mainwindow/view_tools/fit_image_state.h"

namespace lmv::mainwindow {

bool FitImageAfter(bool on, TViewEvent event)
{
    switch (event) {
    case TViewEvent::OperatorToggle:
        return !on;
    case TViewEvent::ScaleSet:
    case TViewEvent::Scrolled:
        return false;
    case TViewEvent::Zoomed:
    case TViewEvent::ZoomUndone:
    case TViewEvent::LivePoint:
        break;
    }
    return on;
}

bool EndsInFittedView(bool on, TViewEvent event)
{
    switch (event) {
    case TViewEvent::OperatorToggle:
    case TViewEvent::Zoomed:
    case TViewEvent::ZoomUndone:
    case TViewEvent::LivePoint:
        return FitImageAfter(on, event);
    case TViewEvent::ScaleSet:
    case TViewEvent::Scrolled:
        break;
    }
    return false;
}

}
