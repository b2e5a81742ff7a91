// Automatic scaling's states, the drag gestures and the help context under the mouse.
#include "mainwindow/view_tools/drag_gesture.h"
#include "mainwindow/view_tools/fit_image_state.h"
#include "mainwindow/view_tools/help_context.h"

#include <gtest/gtest.h>

#include <vector>

namespace lmv::mainwindow {
namespace {

TEST(FitImageStateTest, OnlyTheOperatorSwitchesItOn)
{
    const TViewEvent events[] = {TViewEvent::OperatorToggle, TViewEvent::ScaleSet,
                                 TViewEvent::Scrolled,       TViewEvent::Zoomed,
                                 TViewEvent::ZoomUndone,     TViewEvent::LivePoint};
    for (TViewEvent event : events) {
        const bool turnsOn = event == TViewEvent::OperatorToggle;
        EXPECT_EQ(FitImageAfter(false, event), turnsOn) << int(event);
    }
    EXPECT_FALSE(FitImageAfter(true, TViewEvent::OperatorToggle));
    EXPECT_FALSE(FitImageAfter(true, TViewEvent::ScaleSet));
    EXPECT_FALSE(FitImageAfter(true, TViewEvent::Scrolled));
    EXPECT_TRUE(FitImageAfter(true, TViewEvent::Zoomed));
    EXPECT_TRUE(FitImageAfter(true, TViewEvent::LivePoint));
}

TEST(FitImageStateTest, WhileOnAZoomItsUndoAndALivePointEndInTheFittedView)
{
    for (TViewEvent event : {TViewEvent::Zoomed, TViewEvent::ZoomUndone, TViewEvent::LivePoint}) {
        EXPECT_TRUE(EndsInFittedView(true, event));
        EXPECT_FALSE(EndsInFittedView(false, event));
    }
    EXPECT_FALSE(EndsInFittedView(true, TViewEvent::Scrolled));
    EXPECT_FALSE(EndsInFittedView(true, TViewEvent::ScaleSet));
}

struct DragCase {
    TDragButton button;
    QPoint end;  // from (100, 100)
    bool zoomEnabled;
    TDragGesture gesture;
};

TEST(DragGestureTest, DirectionAndButtonChooseTheGesture)
{
    using B = TDragButton;
    using G = TDragGesture;
    const DragCase cases[] = {
        {B::Left, {150, 140}, true, G::ZoomIn},  {B::Left, {50, 40}, true, G::UndoZoom},
        {B::Left, {150, 40}, true, G::UndoZoom}, {B::Left, {50, 140}, true, G::UndoZoom},
        {B::Left, {103, 104}, true, G::None},    {B::Left, {150, 103}, true, G::None},
        {B::Left, {150, 140}, false, G::None},   {B::Left, {50, 40}, false, G::None},
        {B::Right, {101, 100}, true, G::Scroll}, {B::Right, {90, 90}, false, G::Scroll},
        {B::Right, {100, 100}, true, G::None},   {B::Other, {150, 140}, true, G::None},
    };
    for (const DragCase& c : cases)
        EXPECT_EQ(ClassifyDrag(c.button, {100, 100}, c.end, c.zoomEnabled), c.gesture)
            << int(c.button) << " to " << c.end.x() << "," << c.end.y();
}

TEST(HelpContextTest, HoverRuleSearchesTheButtonsFromTheLast)
{
    // A button without an action, then record (4), an overlapping one, and volumes (31).
    const std::vector<THoverButton> buttons{
        {0, 20, std::nullopt}, {20, 20, 4}, {30, 20, 0}, {60, 20, 31}};
    EXPECT_EQ(HoverHelpContext(buttons, 10), WindowHelpContext) << "no action";
    EXPECT_EQ(HoverHelpContext(buttons, 25), 4);
    EXPECT_EQ(HoverHelpContext(buttons, 35), 0) << "the later button wins, context 0";
    EXPECT_EQ(HoverHelpContext(buttons, 20), WindowHelpContext) << "edges are outside";
    EXPECT_EQ(HoverHelpContext(buttons, 70), 31);
    EXPECT_EQ(HoverHelpContext(buttons, 55), WindowHelpContext) << "between buttons";
    EXPECT_EQ(HoverHelpContext({}, 5), WindowHelpContext);
}

}
}
